#include "qt_user_dialogs.h"

#include "setup_sheet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSpacerItem>
#include <QSpinBox>
#include <algorithm>

namespace {

// Wide enough for the title bar to show the whole title, with room for the
// window manager's icon and buttons.
int TitleWidth(const QWidget& dialog) {
    return dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) + 120;
}

void RunBox(QMessageBox::Icon icon, QWidget* parent, const QString& text) {
    // Route answers end their lines with CR LF; a label wants plain LF.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, QString::fromLatin1(ApplicationTitle), shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // A plain OK button, whatever icons the style would give it.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setIcon(QIcon());
    // A one-line answer such as "MarchLand 1" would otherwise make a box so
    // narrow that the window manager cuts the title short.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(TitleWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    // Shown first so that its final size is known, then centred on the screen
    // rather than on the window.
    box.show();
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    box.exec();
}

// The extension of a filter's first pattern ("*.jpg;*.jpeg": "jpg"), or
// empty for "*.*".
QString FilterExtension(const QString& filter, qsizetype index) {
    const QString patterns = filter.split(QLatin1Char('|')).value(2 * index + 1);
    const QString first = patterns.section(QLatin1Char(';'), 0, 0);
    if (!first.startsWith(QLatin1String("*.")) || first == QLatin1String("*.*"))
        return {};
    return first.mid(2);
}

// Runs the dialog; `filter`, when given, follows the chosen filter, and the
// default extension with it.
QString RunFileDialog(QWidget* parent, const TFileDialog& request, int* filter = nullptr) {
    QFileDialog dialog(parent, request.Title);
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(QtNameFilters(request.Filter));
    dialog.setDefaultSuffix(request.DefaultExt);
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    else if (!request.Folder.isEmpty())
        dialog.setDirectory(request.Folder);
    const QStringList filters = dialog.nameFilters();
    if (filter) {
        dialog.selectNameFilter(filters.value(*filter));
        dialog.setDefaultSuffix(FilterExtension(request.Filter, *filter));
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
                *filter = static_cast<int>(std::max<qsizetype>(0, filters.indexOf(chosen)));
                dialog.setDefaultSuffix(FilterExtension(request.Filter, *filter));
            });
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

void TQtUserDialogs::ShowMessage(QWidget* parent, const QString& text) {
    RunBox(QMessageBox::NoIcon, parent, text);
}

void TQtUserDialogs::ShowError(QWidget* parent, const QString& text) {
    RunBox(QMessageBox::Critical, parent, text);
}

QString TQtUserDialogs::GetOpenFileName(QWidget* parent, const TFileDialog& dialog) {
    return RunFileDialog(parent, dialog);
}

QString TQtUserDialogs::GetSaveFileName(QWidget* parent, const TFileDialog& dialog) {
    return RunFileDialog(parent, dialog);
}

bool TQtUserDialogs::InputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                                QString& value) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    // The dialog takes the size of its contents; a wider entry field makes
    // room for the title.
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(TitleWidth(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString TQtUserDialogs::GetSaveFileAndFilter(QWidget* parent, const TFileDialog& dialog,
                                             int& filter) {
    return RunFileDialog(parent, dialog, &filter);
}

bool TQtUserDialogs::ExecPrintDialog(QWidget* parent, QPrinter& printer,
                                     tavrin::TSheetOptions& options) {
    QPrintDialog dialog(&printer, parent);
    // The sheet's page: the spin box's lowest value stands for "as large as
    // the pages allow".
    QWidget sheet;
    sheet.setWindowTitle(QCoreApplication::translate("TQtUserDialogs", "Sheet"));
    auto* bitmaps =
        new QCheckBox(QCoreApplication::translate("TQtUserDialogs", "Tile bitmaps"), &sheet);
    bitmaps->setToolTip(QCoreApplication::translate(
        "TQtUserDialogs", "Draw the tile bitmaps beside the program (your own pictures, say) "
                          "instead of the program's tile art"));
    bitmaps->setChecked(options.Look == tavrin::TTileLook::Bitmaps);
    auto* size = new QSpinBox(&sheet);
    size->setRange(tavrin::MinTileMillimetres - 1, tavrin::MaxTileMillimetres);
    size->setSpecialValueText(QCoreApplication::translate("TQtUserDialogs", "as large as fits"));
    size->setValue(options.TileMillimetres > 0 ? static_cast<int>(options.TileMillimetres)
                                               : size->minimum());
    auto* layout = new QFormLayout(&sheet);
    layout->addRow(bitmaps);
    layout->addRow(QCoreApplication::translate("TQtUserDialogs", "Print at N mm per tile:"), size);
    dialog.setOptionTabs({&sheet});
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options.Look = bitmaps->isChecked() ? tavrin::TTileLook::Bitmaps : tavrin::TTileLook::Art;
    options.TileMillimetres = size->value() == size->minimum() ? 0 : size->value();
    return true;
}

void TQtUserDialogs::ShowPrintPreview(QWidget* parent, QPrinter& printer,
                                      const std::function<void(QPrinter&)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* pages) { paint(*pages); });
    dialog.exec();
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        // Qt reads the patterns from the last parentheses and, with the
        // details hidden, shows what stands before them.
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}
