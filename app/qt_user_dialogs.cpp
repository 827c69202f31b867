#include "qt_user_dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

namespace {

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
    // Wide enough for the title bar to show the whole title: a one-line
    // answer such as "MarchLand 1" would otherwise make a box so narrow that
    // the window manager cuts the title short.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
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

QString RunFileDialog(QWidget* parent, const TFileDialog& request) {
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
    bool accepted = false;
    const QString text =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &accepted);
    if (accepted)
        value = text;
    return accepted;
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
