#pragma once
// Edit > Share Map...: the shown map's share code, its seed naming when it is
// known, its tavrin: link and the link's QR code, with buttons that put the
// code, the link or the map picture on the clipboard. The dialog does not
// hold the window: it is shown beside it and deletes itself when closed.

#include <QDialog>
#include <QImage>
#include <QString>
#include <string>

class TShareDialog : public QDialog {
    Q_OBJECT

public:
    // `mapString` the map shown, `seedText` its naming ("Seed N, map k") or
    // empty, `picture` the map as drawn, `webAddress` where the web page is
    // served (empty: tavrin: links). The address can be edited here; each
    // valid one is told by WebAddressChanged, and the link follows it.
    TShareDialog(const std::string& mapString, const QString& seedText, const QImage& picture,
                 const QString& webAddress, QWidget* parent);

    QString Code() const { return Code_; }
    QString Link() const { return Link_; }

signals:
    void WebAddressChanged(const QString& address);

private:
    void SetWebAddress(const QString& address);

    std::string MapString_;
    QString Code_;
    QString Link_;
    QImage Picture_;
    class QLineEdit* LinkLine_ = nullptr;
    class QLabel* AddressNote_ = nullptr;
    class TQrView* Qr_ = nullptr;
};

// The QR code of a text, as large as the widget allows.
class TQrView : public QWidget {
    Q_OBJECT

public:
    TQrView(const QByteArray& text, QWidget* parent);
    void SetText(const QByteArray& text);
    QSize sizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QByteArray Text;
};
