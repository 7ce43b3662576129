#include "render/InfoTables.h"

#include "engine/AspectSearch.h"
#include "engine/ChartScores.h"

#include <cmath>

namespace orvel {

namespace {

constexpr Colour QualityGrey = rgb(128, 128, 128);

QString sectionLabel(int house)
{
    switch (house) {
    case 0: return QStringLiteral("AC");
    case 3: return QStringLiteral("IC");
    case 6: return QStringLiteral("DC");
    case 9: return QStringLiteral("MC");
    default: return QString::number(house + 1);
    }
}

// Degree text of a point within its sign, " R" when it moves backwards.
QString pointDegree(const InfoChart &chart, int point)
{
    QString text = InfoTables::degreeText(chart.degreeInSign(chart.points[point]));
    if (chart.motion[point] < 0)
        text += QStringLiteral(" R");
    return text;
}

// A planet's, sign's, aspect's, element's or quality's name in the user's language.
QString chartName(const char *name)
{
    return QCoreApplication::translate("ChartNames", name);
}

QString signName(const InfoChart &chart, double angle)
{
    return chartName(SignNames[chart.signOf(angle)]);
}

QString motionText(const InfoChart &chart, int point)
{
    return point < BodyCount ? InfoTables::degreeText(chart.motion[point]) : QString();
}

// Scores of `groups` groups of signs (sign mod groups), as the element and quality
// windows count them.
std::vector<ScoreRow> scoreRows(const InfoSnapshot &snapshot, int groups, const char *const *labels,
                                const Colour *colours)
{
    const InfoChart &chart = snapshot.first;
    const int ruler = ChartScores::rulerOf(chart.signOf(chart.points[Ascendant]));
    std::vector<ScoreRow> rows(groups);
    for (int g = 0; g < groups; ++g) {
        rows[g].label = chartName(labels[g]);
        rows[g].colour = colours ? colours[g] : QualityGrey;
    }
    for (int p = 0; p < PointCount; ++p) {
        ScoreRow &row = rows[chart.signOf(chart.points[p]) % groups];
        row.points.push_back(p);
        row.score += snapshot.settings.planetValues[p];
        if (p == ruler)
            row.score += snapshot.settings.rulerBonus;
    }
    return rows;
}

} // namespace

QString InfoTables::degreeText(double degrees)
{
    const double x = std::abs(degrees);
    const int whole = static_cast<int>(x);
    const double minutes = (x - whole) * 60.0;
    const int wholeMinutes = static_cast<int>(minutes);
    const int seconds = static_cast<int>((minutes - wholeMinutes) * 60.0);
    return QString::asprintf("%s%02d\u00b0 %02d' %02d''", degrees < 0 ? "-" : "", whole, wholeMinutes, seconds);
}

QString InfoTables::title(InfoWindow window)
{
    switch (window) {
    case InfoWindow::Houses: return tr("Houses");
    case InfoWindow::Planets: return tr("Planets");
    case InfoWindow::Elements: return tr("Elements");
    case InfoWindow::Qualities: return tr("Qualities");
    case InfoWindow::AspectsGraphic:
    case InfoWindow::AspectsTable: return tr("Aspects");
    }
    return {};
}

QString InfoTables::name(InfoWindow window, const InfoSnapshot &snapshot)
{
    const QString both = snapshot.firstName + QStringLiteral(" / ") + snapshot.secondName;
    const bool composite = snapshot.mode == ChartMode::Composite;
    switch (window) {
    case InfoWindow::Elements:
    case InfoWindow::Qualities:
        return composite ? both : snapshot.firstName;
    case InfoWindow::AspectsGraphic:
        return composite ? both : snapshot.twoCharts() ? snapshot.secondName : snapshot.firstName;
    case InfoWindow::Houses:
    case InfoWindow::Planets:
    case InfoWindow::AspectsTable:
        break;
    }
    return composite || snapshot.twoCharts() ? both : snapshot.firstName;
}

InfoTable InfoTables::houses(const InfoSnapshot &snapshot)
{
    InfoTable table{title(InfoWindow::Houses), name(InfoWindow::Houses, snapshot), {}, {}};
    table.columns = {{tr("House"), 46}, {tr("Degree"), 80}, {tr("Sign"), 85}};
    if (snapshot.twoCharts())
        table.columns.insert(table.columns.end(), {{tr("Degree"), 80}, {tr("Sign"), 85}});
    for (int h = 0; h < HouseCount; ++h) {
        QStringList row{sectionLabel(h)};
        for (const InfoChart *chart : {&snapshot.first, &snapshot.second}) {
            row << degreeText(chart->degreeInSign(chart->cusp[h])) << signName(*chart, chart->cusp[h]);
            if (!snapshot.twoCharts())
                break;
        }
        table.rows.push_back(row);
    }
    return table;
}

InfoTable InfoTables::planets(const InfoSnapshot &snapshot)
{
    InfoTable table{title(InfoWindow::Planets), name(InfoWindow::Planets, snapshot), {}, {}};
    const InfoTable::Column degree{tr("Degree"), 90};
    const InfoTable::Column sign{tr("Sign"), 85};
    const InfoTable::Column motion{tr("Degree/Day"), 85, true};
    if (snapshot.twoCharts())
        table.columns = {{tr("Planet"), 50}, degree, sign, motion, degree, sign, motion};
    else
        table.columns = {{tr("Planet"), 50}, degree, sign, {tr("House"), 46}, motion};
    for (int p = 0; p < PointCount; ++p) {
        const InfoChart &first = snapshot.first;
        QStringList row{chartName(PointNames[p]), pointDegree(first, p), signName(first, first.points[p])};
        if (snapshot.twoCharts()) {
            const InfoChart &second = snapshot.second;
            row << motionText(first, p) << pointDegree(second, p) << signName(second, second.points[p])
                << motionText(second, p);
        } else {
            row << (p < BodyCount ? QString::number(first.houseOf(first.points[p]) + 1) : QString())
                << motionText(first, p);
        }
        table.rows.push_back(row);
    }
    return table;
}

InfoTable InfoTables::aspects(const InfoSnapshot &snapshot)
{
    InfoTable table{title(InfoWindow::AspectsTable), name(InfoWindow::AspectsTable, snapshot), {}, {}};
    table.columns = {{tr("Planet"), 50}, {tr("Aspect"), 80}, {tr("Planet"), 55},
                     {tr("Difference"), 80}, {tr("A/S"), 50}};
    const InfoChart &second = snapshot.twoCharts() ? snapshot.second : snapshot.first;
    for (const AspectCode &a : snapshot.aspects) {
        const AspectSearch::Measure orb = AspectSearch::measure(a.kind, snapshot.first.points[a.first],
                                                                second.points[a.second], snapshot.settings.aspectAngles);
        table.rows.push_back({chartName(PointNames[a.first]), chartName(AspectNames[a.kind]),
                              chartName(PointNames[a.second]), degreeText(orb.difference),
                              orb.applying ? tr("Appl.") : QString()});
    }
    return table;
}

std::vector<ScoreRow> InfoTables::elementRows(const InfoSnapshot &snapshot)
{
    return scoreRows(snapshot, ElementCount, ElementNames.data(), snapshot.settings.elementColours.data());
}

std::vector<ScoreRow> InfoTables::qualityRows(const InfoSnapshot &snapshot)
{
    return scoreRows(snapshot, QualityCount, QualityNames.data(), nullptr);
}

InfoTable InfoTables::scores(InfoWindow window, const InfoSnapshot &snapshot)
{
    const bool elements = window == InfoWindow::Elements;
    InfoTable table{title(window), name(window, snapshot), {}, {}};
    table.columns = {{elements ? tr("Element") : tr("Quality"), 60},
                     {tr("Score"), 30},
                     {tr("Points"), 140}};
    for (const ScoreRow &row : elements ? elementRows(snapshot) : qualityRows(snapshot)) {
        QString glyphs;
        for (int p : row.points)
            glyphs += QChar(snapshot.settings.planetGlyphs[p]);
        table.rows.push_back({row.label, row.scoreText(), glyphs});
    }
    return table;
}

InfoTable InfoTables::table(InfoWindow window, const InfoSnapshot &snapshot)
{
    switch (window) {
    case InfoWindow::Houses: return houses(snapshot);
    case InfoWindow::Planets: return planets(snapshot);
    case InfoWindow::Elements:
    case InfoWindow::Qualities: return scores(window, snapshot);
    case InfoWindow::AspectsGraphic:
    case InfoWindow::AspectsTable: return aspects(snapshot);
    }
    return {};
}

} // namespace orvel
