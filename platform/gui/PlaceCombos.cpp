#include "platform/gui/PlaceCombos.h"

#include "placedb/PlaceDatabase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include <algorithm>
#include <numeric>

namespace orvel {

namespace {

// Adds the items in one insertion: thousands of places one by one would be slow.
void addItems(QComboBox *combo, const std::vector<std::pair<QString, int>> &items)
{
    QList<QStandardItem *> rows;
    rows.reserve(qsizetype(items.size()));
    for (const auto &[text, index] : items) {
        auto *row = new QStandardItem(text);
        row->setData(index, Qt::UserRole);
        rows.append(row);
    }
    qobject_cast<QStandardItemModel *>(combo->model())->invisibleRootItem()->appendRows(rows);
}

} // namespace

PlaceCombos::PlaceCombos(PlaceDatabase &database, QComboBox *countries, QComboBox *cities)
    : QObject(cities), m_database(database), m_countries(countries), m_cities(cities)
{
    // Sized by the layout, not by measuring every one of thousands of names.
    for (QComboBox *combo : {countries, cities}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
        if (auto *list = qobject_cast<QListView *>(combo->view()))
            list->setUniformItemSizes(true);
    }
    m_cities->setEditable(true);
    m_cities->setInsertPolicy(QComboBox::NoInsert);
    m_cities->setCompleter(nullptr); // completing inline would defeat the one-letter reload
    m_cities->lineEdit()->setAccessibleName(QStringLiteral("City:")); // its typing field, for screen readers
    connect(m_cities, &QComboBox::activated, this, [this] { m_typed = false; });
    connect(m_cities->lineEdit(), &QLineEdit::textEdited, this, [this](const QString &text) {
        m_typed = true;
        if (text.trimmed().size() == 1)
            emit cityLetterTyped(text);
    });
}

bool PlaceCombos::fillCountries(const QString &country)
{
    const QSignalBlocker blocker(m_countries);
    m_countries->clear();
    if (!m_database.LoadCountryList(m_countryList))
        return false;
    std::vector<std::pair<QString, int>> items;
    for (std::size_t i = 0; i < m_countryList.size(); ++i)
        items.emplace_back(m_countryList[i].name, int(i));
    addItems(m_countries, items);
    const int match = m_countries->findText(country, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_countries->setCurrentIndex(match >= 0 ? match : (m_countries->count() > 0 ? 0 : -1));
    return true;
}

bool PlaceCombos::fillCities(const QString &text, const QString &city)
{
    const QSignalBlocker blocker(m_cities);
    m_cities->clear();
    const CountryRecord *country = selectedCountry();
    if (!m_database.LoadPlaces(m_placeList, country ? country->code : QString(), text))
        return false;

    // The list is sorted by name, as the user reads it.
    std::vector<int> order(m_placeList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return QString::localeAwareCompare(m_placeList[a].name, m_placeList[b].name) < 0;
    });
    std::vector<std::pair<QString, int>> items;
    items.reserve(order.size());
    for (const int i : order)
        items.emplace_back(m_placeList[i].name, i);
    addItems(m_cities, items);
    const int match = m_cities->findText(city, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_cities->setCurrentIndex(match >= 0 ? match : (m_cities->count() > 0 ? 0 : -1));
    m_cities->setEditText(text);
    m_cities->lineEdit()->setCursorPosition(int(text.size()));
    m_typed = false;
    return true;
}

const CountryRecord *PlaceCombos::selectedCountry() const
{
    const QVariant data = m_countries->currentData();
    return data.isValid() ? &m_countryList.at(data.toInt()) : nullptr;
}

const PlaceRecord *PlaceCombos::selectPlace()
{
    if (m_typed) {
        const int match = m_cities->findText(m_cities->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (match < 0)
            return nullptr;
        const QSignalBlocker blocker(m_cities);
        m_cities->setCurrentIndex(match);
        m_typed = false;
    }
    const QVariant data = m_cities->currentData();
    return data.isValid() ? &m_placeList.at(data.toInt()) : nullptr;
}

} // namespace orvel
