#include "gui/PlaceCombos.h"

#include "placedb/DatabaseFile.h"
#include "placedb/PlaceDatabase.h"
#include "placedb/SortKey.h"

#include <QComboBox>
#include <QFileInfo>
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
    m_cities->setCompleter(nullptr); // the field completes by its own rule, over the reloaded list
    m_cities->lineEdit()->setAccessibleName(tr("City:")); // its typing field, for screen readers
    connect(m_cities, &QComboBox::activated, this, [this] {
        m_typed = m_shown = m_cities->currentText();
        emit placeChanged();
    });
    connect(m_cities->lineEdit(), &QLineEdit::textEdited, this, &PlaceCombos::edited);
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

bool PlaceCombos::fillCities(const QString &text)
{
    const bool read = reload(text);
    complete(text);
    return read;
}

bool PlaceCombos::reload(const QString &text)
{
    const QSignalBlocker blocker(m_cities);
    m_cities->clear();
    m_keys.clear();
    // Blanks before the first letter would choose the places of a blank.
    const QString letters = text.trimmed();
    const QString key = MakeSortKey(letters);
    m_listLetter = key.isEmpty() ? QChar() : key.front();
    const CountryRecord *country = selectedCountry();
    if (!m_database.LoadPlaces(m_placeList, country ? country->code : QString(), letters))
        return false;

    // The list is sorted by name, as the user reads it.
    std::vector<int> order(m_placeList.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return QString::localeAwareCompare(m_placeList[a].name, m_placeList[b].name) < 0;
    });
    std::vector<std::pair<QString, int>> items;
    items.reserve(order.size());
    m_keys.reserve(order.size());
    for (const int i : order) {
        items.emplace_back(m_placeList[i].name, i);
        m_keys.push_back(MakeSortKey(m_placeList[i].name));
    }
    addItems(m_cities, items);
    return true;
}

void PlaceCombos::edited(const QString &text)
{
    QString typed = text;
    // Backspace or Delete that took only the completed part away takes the last typed
    // character with it; otherwise the same completion would come straight back.
    if (text == m_typed && m_shown != m_typed)
        typed.chop(1);
    // One letter lists its places; so does a text of another first letter put into the
    // field at once (pasted, or typed in front of it), whose places the list lacks.
    const QString key = MakeSortKey(typed.trimmed());
    if (typed.trimmed().size() == 1 || (!key.isEmpty() && key.front() != m_listLetter))
        reload(typed);
    complete(typed);
    emit placeChanged();
}

void PlaceCombos::complete(const QString &typed)
{
    m_typed = typed;
    // Blanks after the text are part of what the user typed ("Bad "), blanks before it not.
    const qsizetype lead =
        std::find_if(typed.begin(), typed.end(), [](QChar c) { return !c.isSpace(); }) - typed.begin();
    const QString prefix = MakeSortKey(typed.mid(lead));
    const QString name = MakeSortKey(typed.trimmed());
    int row = -1;
    if (!name.isEmpty()) {
        auto found = std::find(m_keys.begin(), m_keys.end(), name);
        if (found == m_keys.end())
            found = std::find_if(m_keys.begin(), m_keys.end(),
                                 [&](const QString &key) { return key.startsWith(prefix); });
        if (found != m_keys.end())
            row = int(found - m_keys.begin());
    }

    const QSignalBlocker blocker(m_cities);
    m_cities->setCurrentIndex(row);
    QLineEdit *field = m_cities->lineEdit();
    if (row < 0) {
        m_shown = typed;
        field->setText(typed);
        return;
    }
    m_shown = m_cities->itemText(row);
    field->setText(m_shown);
    // The completed part starts after the characters of the name that the typed text
    // stands for, which need not be as many as were typed (SS for ß, no apostrophes).
    qsizetype stands = 0;
    while (stands < m_shown.size() && MakeSortKey(m_shown.left(stands)).size() < prefix.size())
        ++stands;
    field->setSelection(int(stands), int(m_shown.size() - stands));
}

const CountryRecord *PlaceCombos::selectedCountry() const
{
    const QVariant data = m_countries->currentData();
    return data.isValid() ? &m_countryList.at(data.toInt()) : nullptr;
}

const PlaceRecord *PlaceCombos::chosenPlace() const
{
    const QVariant data = m_cities->currentData();
    return data.isValid() ? &m_placeList.at(data.toInt()) : nullptr;
}

bool PlaceCombos::placeFileExists() const
{
    const CountryRecord *country = selectedCountry();
    if (!country)
        return false;
    const QString path = DatabaseFile::pathFor(m_database.databaseFolder(), QStringLiteral("Orte_"), country->code);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString PlaceCombos::noPlaceMessage(bool otherOffered) const
{
    const QString country = m_countries->currentText();
    const QString byHand = otherOffered ? tr(" Tick Other to type the place by hand.") : QString();
    if (!placeFileExists()) {
        if (m_database.variant() == PlaceDatabase::Variant::Desktop)
            return tr("The places of %1 are not in this program's place database.").arg(country) + byHand;
        return (otherOffered ? tr("The places of %1 are not on this device: choose the country in the desktop "
                                  "program's Country choice, or tick Other.")
                             : tr("The places of %1 are not on this device: choose the country in the desktop "
                                  "program's Country choice."))
            .arg(country);
    }
    const QString text = m_cities->currentText().trimmed();
    if (text.isEmpty())
        return tr("Type the name of a place in %1.").arg(country) + byHand;
    return tr("No place '%1' in %2.").arg(text, country) + byHand;
}

} // namespace orvel
