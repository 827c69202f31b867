#include "share_dialog.h"

#include "map_link.h"
#include "qr_code.h"
#include "share_code.h"
#include "ui_language.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* ReadOnlyLine(const QString& text, const char* name, QWidget* parent) {
    auto* line = new QLineEdit(text, parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setReadOnly(true);
    line->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    line->setMinimumWidth(line->fontMetrics().horizontalAdvance(text) + 16);
    return line;
}

} // namespace

TShareDialog::TShareDialog(const std::string& mapString, const QString& seedText,
                           const QImage& picture, const QString& webAddress, QWidget* parent)
    : QDialog(parent), MapString_(mapString),
      Code_(QString::fromStdString(tavrin::ShareCode(mapString))), Picture_(picture) {
    setObjectName(QStringLiteral("ShareDialog"));
    setWindowTitle(tr("Share Map"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* form = new QFormLayout;
    form->addRow(tr("Map code:"), ReadOnlyLine(Code_, "edShareCode", this));
    if (!seedText.isEmpty()) {
        auto* seed = new QLabel(seedText, this);
        seed->setObjectName(QStringLiteral("lblShareSeed"));
        form->addRow(tr("Made from:"), seed);
    }
    LinkLine_ = ReadOnlyLine(QString(), "edShareLink", this);
    form->addRow(tr("Link:"), LinkLine_);
    auto* address = new QLineEdit(webAddress, this);
    address->setObjectName(QStringLiteral("edWebAddress"));
    address->setPlaceholderText(tr("https://... where the web page is served"));
    form->addRow(tr("Web page:"), address);
    AddressNote_ = new QLabel(this);
    AddressNote_->setObjectName(QStringLiteral("lblWebAddressNote"));
    form->addRow(QString(), AddressNote_);
    connect(address, &QLineEdit::textEdited, this, &TShareDialog::SetWebAddress);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const auto addCopy = [&](const QString& caption, const char* name, auto copy) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, copy);
    };
    addCopy(tr("Copy &Code"), "btnCopyCode",
            [this] { QGuiApplication::clipboard()->setText(Code_); });
    addCopy(tr("Copy &Link"), "btnCopyLink",
            [this] { QGuiApplication::clipboard()->setText(Link_); });
    addCopy(tr("Copy &Picture"), "btnCopyPicture",
            [this] { QGuiApplication::clipboard()->setImage(Picture_); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    Link_ = QString::fromStdString(tavrin::ShareLink(mapString));
    LinkLine_->setText(Link_);
    Qr_ = new TQrView(Link_.toUtf8(), this);
    layout->addWidget(Qr_, 1);
    layout->addWidget(buttons);
    SetWebAddress(webAddress);
}

// A valid address (or none) makes the link at once; a half-typed one leaves
// the last good link and says why.
void TShareDialog::SetWebAddress(const QString& address) {
    try {
        Link_ = QString::fromStdString(tavrin::MapLink(MapString_, address.toStdString()));
    } catch (const tavrin::EWebAddress& e) {
        AddressNote_->setText(CoreText(e.what()));
        return;
    }
    AddressNote_->clear();
    LinkLine_->setText(Link_);
    LinkLine_->setMinimumWidth(LinkLine_->fontMetrics().horizontalAdvance(Link_) + 16);
    Qr_->SetText(Link_.toUtf8());
    emit WebAddressChanged(address.trimmed());
}

TQrView::TQrView(const QByteArray& text, QWidget* parent) : QWidget(parent), Text(text) {
    setObjectName(QStringLiteral("QrView"));
    setMinimumSize(160, 160);
}

void TQrView::SetText(const QByteArray& text) {
    Text = text;
    update();
}

void TQrView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    tavrin::PaintQrCode(painter, QRectF(rect()), Text);
}
