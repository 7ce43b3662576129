#include "AdminNames.h"

#include "LatinTransliteration.h"
#include "PlaceNameCleaner.h"

#include "platform/FileError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace orvel {

namespace {

Result<> addTable(QHash<QString, QString> &names, const QByteArray &json, const QString &file)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isArray()) {
        return Result<>::failed(ResultStatus::Damaged, QStringLiteral("%1 is not a JSON array of {\"code\", \"name\"}: %2")
                                                             .arg(file, parseError.errorString()));
    }
    for (const QJsonValue &entry : document.array()) {
        const QString code = entry[QStringLiteral("code")].toString();
        const QString name = AdminNames::label(entry[QStringLiteral("name")].toString());
        if (!code.isEmpty() && !name.isEmpty())
            names.insert(code, name);
    }
    return {};
}

} // namespace

QString AdminNames::label(const QString &name)
{
    static const QRegularExpression bracketed(QStringLiteral("\\s*\\([^()]*\\)|[()]"));
    QString text = name;
    text.remove(bracketed);
    return LatinTransliteration::toWindows1252(PlaceNameCleaner::tidy(text)).value_or(QString());
}

Result<AdminNames> AdminNames::fromJson(const QByteArray &admin1, const QByteArray &admin2)
{
    AdminNames names;
    for (const auto &[json, file] : {std::pair(admin1, "admin1.json"), std::pair(admin2, "admin2.json")}) {
        if (const Result<> added = addTable(names.m_names, json, QLatin1String(file)); !added)
            return Result<AdminNames>::passOn(added);
    }
    return names;
}

Result<AdminNames> AdminNames::load(const QString &folder)
{
    QByteArray contents[2];
    const QString files[2] = {folder + QStringLiteral("/admin1.json"), folder + QStringLiteral("/admin2.json")};
    for (int i = 0; i < 2; ++i) {
        QFile file(files[i]);
        if (!file.open(QIODevice::ReadOnly))
            return Result<AdminNames>::passOn(FileError::failure(files[i], file.error(), file.errorString()));
        contents[i] = file.readAll();
    }
    return fromJson(contents[0], contents[1]);
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
