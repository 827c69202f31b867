#pragma once
// The Create Map Until dialog: the criteria a map must meet, each with its
// bound and a histogram of its figure over a sample of maps with the allowed
// range shaded, the criteria in the syntax tavrin-cli's --where reads, and a
// live estimate of how often a map meets them ("about 1 map in N meets
// these"), counted in the sample that grows in the background.
//
// A wish no map can meet is refused with its reason; a wish no map of the
// sample meets makes OK ask first, offering the nearest criteria that some
// of the sample meets in one click, and a second OK searches anyway.

#include "figure_sample.h"
#include "map_criteria.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class TFigureHistogram;

class TCreateMapUntilDialog : public QDialog {
    Q_OBJECT

public:
    // Offers `criteria` (those it has no row for are dropped); the sample
    // holds `sampleSize` maps once complete.
    explicit TCreateMapUntilDialog(const tavrin::TCriteria& criteria, QWidget* parent = nullptr,
                                   int sampleSize = TFigureSample::DefaultSize);

    // The criteria as checked and bounded now.
    tavrin::TCriteria Criteria() const;

    // Sets one row: checked with `value`, or not checked.
    void SetCriterion(tavrin::TFigure figure, bool on, double value);

    const TFigureSample& Sample() const { return Sample_; }

    // OK: refuses an impossible wish, asks once about one the sample never
    // meets, else closes accepted.
    void accept() override;

    // The criteria the dialog starts with when none were remembered.
    static tavrin::TCriteria DefaultCriteria();

private:
    struct TRow {
        tavrin::TFigure Figure;
        tavrin::TComparison Comparison;
        QCheckBox* On;
        QDoubleSpinBox* Value;
        TFigureHistogram* Histogram;
    };

    void Update();
    void UpdateHistograms();
    void UseNearest();

    TFigureSample Sample_;
    std::vector<TRow> Rows;
    QLabel* lblCriteria = nullptr;
    QLabel* lblEstimate = nullptr;
    QLabel* lblExplanation = nullptr;
    QPushButton* btnNearest = nullptr;
    QPushButton* btnOk = nullptr;
    tavrin::TCriteria Nearest; // offered by btnNearest
    bool Asked = false;        // OK has asked about AskedAbout
    tavrin::TCriteria AskedAbout;
};
