#include "share_dialog.h"

#include "qr_code.h"
#include "share_code.h"

#include <QClipboard>
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
                           const QImage& picture, QWidget* parent)
    : QDialog(parent), Code_(QString::fromStdString(tavrin::ShareCode(mapString))),
      Link_(QString::fromStdString(tavrin::ShareLink(mapString))), Picture_(picture) {
    setObjectName(QStringLiteral("ShareDialog"));
    setWindowTitle(QStringLiteral("Share Map"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Map code:"), ReadOnlyLine(Code_, "edShareCode", this));
    if (!seedText.isEmpty()) {
        auto* seed = new QLabel(seedText, this);
        seed->setObjectName(QStringLiteral("lblShareSeed"));
        form->addRow(QStringLiteral("Made from:"), seed);
    }
    form->addRow(QStringLiteral("Link:"), ReadOnlyLine(Link_, "edShareLink", this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const auto addCopy = [&](const QString& caption, const char* name, auto copy) {
        QPushButton* button = buttons->addButton(caption, QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, copy);
    };
    addCopy(QStringLiteral("Copy &Code"), "btnCopyCode",
            [this] { QGuiApplication::clipboard()->setText(Code_); });
    addCopy(QStringLiteral("Copy &Link"), "btnCopyLink",
            [this] { QGuiApplication::clipboard()->setText(Link_); });
    addCopy(QStringLiteral("Copy &Picture"), "btnCopyPicture",
            [this] { QGuiApplication::clipboard()->setImage(Picture_); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new TQrView(Link_.toUtf8(), this), 1);
    layout->addWidget(buttons);
}

TQrView::TQrView(const QByteArray& text, QWidget* parent) : QWidget(parent), Text(text) {
    setObjectName(QStringLiteral("QrView"));
    setMinimumSize(160, 160);
}

void TQrView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    tavrin::PaintQrCode(painter, QRectF(rect()), Text);
}
