#pragma once
// A structural look at a PDF file without a PDF library: the header, the
// cross-reference table that the trailer points to, and the page objects
// with their sizes in points. Enough to tell a whole, one-page PDF of the
// right page size from anything else; what is drawn on the pages is checked
// where it is painted.

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QSizeF>

struct TPdfStructure {
    bool Whole = false;      // header, trailer, and startxref pointing at the xref table
    QList<QSizeF> PageSizes; // MediaBox of every page object, in points
    int Images = 0;          // image objects (raster pictures) in the file
};

inline TPdfStructure PdfStructure(const QByteArray& bytes) {
    TPdfStructure pdf;
    const QByteArray tail = bytes.right(64).trimmed();
    const qsizetype at = bytes.lastIndexOf("startxref");
    if (bytes.startsWith("%PDF-1.") && tail.endsWith("%%EOF") && at > 0) {
        bool number = false;
        const qsizetype xref =
            bytes.mid(at + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&number);
        pdf.Whole = number && bytes.mid(xref, 4) == "xref";
    }
    static const QRegularExpression page(
        QStringLiteral(
            R"(/Type\s*/Page\b(?!s)[^>]*?/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression image(QStringLiteral(R"(/Subtype\s*/Image\b)"));
    const QString text = QString::fromLatin1(bytes);
    pdf.Images = static_cast<int>(text.count(image));
    for (auto match = page.globalMatch(text); match.hasNext();) {
        const auto m = match.next();
        pdf.PageSizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return pdf;
}
