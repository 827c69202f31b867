#include "create_until_dialog.h"

#include "criteria_explanation.h"
#include "figure_histogram.h"
#include "ui_language.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using tavrin::TComparison;
using tavrin::TFigure;

// The rows of the dialog: a figure, which way it is bounded, the bound
// offered, and the bound's range.
struct TRowKind {
    TFigure Figure;
    TComparison Comparison;
    double Offered;
    double Most;
};

// clang-format off
constexpr TRowKind RowKinds[] = {
    {TFigure::Reachable,   TComparison::AtLeast, 95, 95},
    {TFigure::Longest,     TComparison::AtMost,  18, 95},
    {TFigure::MeanRoute,   TComparison::AtMost,   9, 95},
    {TFigure::Columns,     TComparison::AtMost,   6, 20},
    {TFigure::Rows,        TComparison::AtMost,   6, 20},
    {TFigure::Clumping,    TComparison::AtMost,   8, 60},
    {TFigure::SharedEdges, TComparison::AtLeast, 40, 60},
    {TFigure::DeadEnds,    TComparison::AtMost,  12, 95},
    {TFigure::Bridges,     TComparison::AtMost,  40, 95},
    {TFigure::CutOffTiles, TComparison::AtMost,   2, 20},
};
// clang-format on

} // namespace

tavrin::TCriteria TCreateMapUntilDialog::DefaultCriteria() {
    return tavrin::ParseCriteria("reachable>=95,columns<=6,rows<=6");
}

TCreateMapUntilDialog::TCreateMapUntilDialog(const tavrin::TCriteria& criteria, QWidget* parent,
                                             int sampleSize)
    : QDialog(parent), Sample_(sampleSize) {
    setObjectName(QStringLiteral("CreateMapUntilDialog"));
    setWindowTitle(tr("Create Map Until"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Create maps until one meets every criterion checked:"), this));

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(10);
    column->addLayout(grid);
    int line = 0;
    for (const TRowKind& kind : RowKinds) {
        const tavrin::TFigureInfo& info = tavrin::InfoOf(kind.Figure);
        TRow row{kind.Figure, kind.Comparison, nullptr, nullptr, nullptr};
        row.On = new QCheckBox(CoreText(info.Label), this);
        row.On->setObjectName(QStringLiteral("chk_") + QString::fromUtf8(info.Name));
        auto* how = new QLabel(
            kind.Comparison == TComparison::AtLeast ? tr("at least") : tr("at most"), this);
        row.Value = new QDoubleSpinBox(this);
        row.Value->setObjectName(QStringLiteral("ed_") + QString::fromUtf8(info.Name));
        row.Value->setAccessibleName(CoreText(info.Label) + QLatin1Char(' ') + how->text());
        row.Value->setDecimals(info.Whole ? 0 : 1);
        row.Value->setSingleStep(info.Whole ? 1 : 0.5);
        const tavrin::TFigureRange possible = tavrin::PossibleRange(kind.Figure);
        row.Value->setRange(possible.Least, std::min(kind.Most, possible.Most));
        row.Value->setValue(kind.Offered);
        row.Histogram = new TFigureHistogram(this);
        row.Histogram->setObjectName(QStringLiteral("hist_") + QString::fromUtf8(info.Name));
        row.Histogram->setAccessibleName(tr("Histogram of %1").arg(CoreText(info.Label)));
        grid->addWidget(row.On, line, 0);
        grid->addWidget(how, line, 1);
        grid->addWidget(row.Value, line, 2);
        grid->addWidget(row.Histogram, line, 3);
        ++line;
        connect(row.On, &QCheckBox::toggled, this, &TCreateMapUntilDialog::Update);
        connect(row.Value, &QDoubleSpinBox::valueChanged, this, &TCreateMapUntilDialog::Update);
        Rows.push_back(row);
    }
    grid->setColumnStretch(3, 1);

    lblCriteria = new QLabel(this);
    lblCriteria->setObjectName(QStringLiteral("lblCriteria"));
    lblCriteria->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(lblCriteria);
    lblEstimate = new QLabel(this);
    lblEstimate->setObjectName(QStringLiteral("lblEstimate"));
    column->addWidget(lblEstimate);
    lblExplanation = new QLabel(this);
    lblExplanation->setObjectName(QStringLiteral("lblExplanation"));
    lblExplanation->setWordWrap(true);
    column->addWidget(lblExplanation);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOk = buttons->button(QDialogButtonBox::Ok);
    btnNearest = buttons->addButton(tr("Use the nearest"), QDialogButtonBox::ActionRole);
    btnNearest->setObjectName(QStringLiteral("btnNearest"));
    btnNearest->setVisible(false);
    connect(btnNearest, &QPushButton::clicked, this, &TCreateMapUntilDialog::UseNearest);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    for (const TRow& row : Rows) {
        bool on = false;
        for (const tavrin::TCriterion& criterion : criteria.Items)
            if (criterion.Figure == row.Figure && criterion.Comparison == row.Comparison) {
                on = true;
                row.Value->setValue(criterion.Value);
            }
        row.On->setChecked(on);
    }
    connect(&Sample_, &TFigureSample::Grew, this, [this] {
        UpdateHistograms();
        Update();
    });
    Update();
}

tavrin::TCriteria TCreateMapUntilDialog::Criteria() const {
    tavrin::TCriteria criteria;
    for (const TRow& row : Rows)
        if (row.On->isChecked())
            criteria.Items.push_back({row.Figure, row.Comparison, row.Value->value()});
    return criteria;
}

void TCreateMapUntilDialog::SetCriterion(tavrin::TFigure figure, bool on, double value) {
    for (const TRow& row : Rows)
        if (row.Figure == figure) {
            row.Value->setValue(value);
            row.On->setChecked(on);
        }
}

void TCreateMapUntilDialog::UseNearest() {
    for (const tavrin::TCriterion& criterion : Nearest.Items)
        SetCriterion(criterion.Figure, true, criterion.Value);
}

void TCreateMapUntilDialog::accept() {
    const tavrin::TCriteria criteria = Criteria();
    if (const auto reason = tavrin::ImpossibleWish(criteria)) {
        lblExplanation->setText(CoreText(*reason));
        return;
    }
    const tavrin::TWishExplanation explanation = Sample_.Explain(criteria);
    if (explanation.Sampled > 0 && explanation.Meeting == 0 && !Asked) {
        Asked = true;
        AskedAbout = criteria;
        Nearest = explanation.Nearest;
        lblExplanation->setText(CoreText(tavrin::NoMatchText(explanation)));
        btnNearest->setVisible(!explanation.Moved.empty());
        btnOk->setText(tr("Search anyway"));
        return;
    }
    QDialog::accept();
}

void TCreateMapUntilDialog::UpdateHistograms() {
    for (const TRow& row : Rows)
        row.Histogram->SetHistogram(Sample_.Histogram(row.Figure));
}

// Runs on every change of a row and every batch of the sample: counting the
// sample takes well under a millisecond.
void TCreateMapUntilDialog::Update() {
    const tavrin::TCriteria criteria = Criteria();
    const std::string text = tavrin::CriteriaText(criteria);
    lblCriteria->setText(
        tr("Criteria: %1").arg(text.empty() ? tr("none") : QString::fromUtf8(text)));
    for (const TRow& row : Rows) {
        row.Value->setEnabled(row.On->isChecked());
        row.Histogram->SetAllowed(
            row.On->isChecked()
                ? std::optional(tavrin::TCriterion{row.Figure, row.Comparison, row.Value->value()})
                : std::nullopt);
    }
    // A change of the criteria answers the question OK asked.
    if (Asked && criteria != AskedAbout) {
        Asked = false;
        btnOk->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
        btnNearest->setVisible(false);
        lblExplanation->clear();
    }
    const tavrin::TWishExplanation explanation = Sample_.Explain(criteria);
    if (explanation.Sampled == 0) {
        lblEstimate->setText(tr("Sampling maps..."));
        return;
    }
    lblEstimate->setText(
        CoreText(tavrin::MeetingEstimateText(explanation.Meeting, explanation.Sampled)));
    QString lines;
    for (const std::string& line : tavrin::ExplanationLines(criteria, explanation))
        lines += (lines.isEmpty() ? QString() : QStringLiteral("\n")) + CoreText(line);
    lblEstimate->setToolTip(lines);
}
