#include "pdf_subject.h"

#include <QList>

namespace tavrin {
namespace {

// A PDF text string in UTF-16 with its byte order mark, written in hex so
// that no character needs escaping.
QByteArray PdfText(const QString& text) {
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

constexpr qsizetype XrefEntrySize = 20; // "oooooooooo ggggg n \n"

} // namespace

QByteArray WithPdfSubject(const QByteArray& pdf, const QString& subject) {
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    const qsizetype info = pdf.indexOf("/Title ");
    if (startxref < 0 || info < 0 || info > startxref)
        return pdf;
    bool ok = false;
    const qsizetype xref =
        pdf.mid(startxref + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
    if (!ok || xref <= info || !pdf.mid(xref).startsWith("xref"))
        return pdf;
    // "xref\n0 N\n" and N entries.
    const qsizetype header = pdf.indexOf('\n', xref + 5);
    const QList<QByteArray> range = pdf.mid(xref + 5, header - xref - 5).trimmed().split(' ');
    const qsizetype count = range.size() == 2 ? range[1].toLongLong(&ok) : 0;
    if (!ok || header < 0 || header + 1 + count * XrefEntrySize > startxref)
        return pdf;

    const QByteArray entry = "/Subject " + PdfText(subject) + '\n';
    QByteArray out = pdf;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = header + 1 + i * XrefEntrySize;
        const qlonglong offset = pdf.mid(at, 10).toLongLong(&ok);
        if (!ok)
            return pdf;
        if (pdf[at + 17] == 'n' && offset > info)
            out.replace(at, 10, QByteArray::number(offset + entry.size()).rightJustified(10, '0'));
    }
    out.replace(startxref, out.size() - startxref,
                "startxref\n" + QByteArray::number(xref + entry.size()) + "\n%%EOF\n");
    out.insert(info, entry);
    return out;
}

} // namespace tavrin
