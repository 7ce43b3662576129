#include "AdminNames.h"

#include "LatinTransliteration.h"
#include "PlaceNameCleaner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace orvel {

namespace {

bool addTable(QHash<QString, QString> &names, const QByteArray &json, const QString &file, QString &error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isArray()) {
        error = QStringLiteral("%1 is not a JSON array of {\"code\", \"name\"}: %2").arg(file, parseError.errorString());
        return false;
    }
    for (const QJsonValue &entry : document.array()) {
        const QString code = entry[QStringLiteral("code")].toString();
        const QString name = AdminNames::label(entry[QStringLiteral("name")].toString());
        if (!code.isEmpty() && !name.isEmpty())
            names.insert(code, name);
    }
    return true;
}

} // namespace

QString AdminNames::label(const QString &name)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*\\([^()]*\\)|[()]"));
    QString text = name;
    text.remove(bracketed);
    return LatinTransliteration::toWindows1252(PlaceNameCleaner::tidy(text)).value_or(QString());
}

std::optional<AdminNames> AdminNames::fromJson(const QByteArray &admin1, const QByteArray &admin2, QString &error)
{
    AdminNames names;
    if (!addTable(names.m_names, admin1, QStringLiteral("admin1.json"), error) ||
        !addTable(names.m_names, admin2, QStringLiteral("admin2.json"), error))
        return std::nullopt;
    return names;
}

std::optional<AdminNames> AdminNames::load(const QString &folder, QString &error)
{
    QByteArray contents[2];
    const QString files[2] = {folder + QStringLiteral("/admin1.json"), folder + QStringLiteral("/admin2.json")};
    for (int i = 0; i < 2; ++i) {
        QFile file(files[i]);
        if (!file.open(QIODevice::ReadOnly)) {
            error = QStringLiteral("cannot read %1: %2").arg(files[i], file.errorString());
            return std::nullopt;
        }
        contents[i] = file.readAll();
    }
    return fromJson(contents[0], contents[1], error);
}

QString AdminNames::region(const QString &country, const QString &admin1) const
{
    return admin1.isEmpty() ? QString() : m_names.value(country + u'.' + admin1);
}

QString AdminNames::district(const QString &country, const QString &admin1, const QString &admin2) const
{
    return admin1.isEmpty() || admin2.isEmpty() ? QString() : m_names.value(country + u'.' + admin1 + u'.' + admin2);
}

} // namespace orvel
