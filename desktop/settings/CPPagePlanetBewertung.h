#pragma once

#include "desktop/settings/CSettingsPage.h"
#include "engine/ChartSettings.h"

class CExListCtrl;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace orvel {

class MessageSink;

// "Planets estimation": the scoring switch, the points the ruler of the first house
// adds (at most two digits) and the planet values in a list with their running sum.
class CPPagePlanetBewertung : public CSettingsPage {
    Q_OBJECT
public:
    // `sink` tells of refused values and must outlive the page.
    CPPagePlanetBewertung(ChartSettings &block, MessageSink &sink, QWidget *parent = nullptr);

    QCheckBox *scoring() const { return m_scoring; }
    QLineEdit *points() const { return m_points; }
    CExListCtrl *values() const { return m_values; }
    QLabel *sum() const { return m_sum; }

    static constexpr int ValueColumn = 2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showSum();

    QCheckBox *m_scoring;
    QLineEdit *m_points;
    CExListCtrl *m_values;
    QLabel *m_sum;
};

} // namespace orvel
