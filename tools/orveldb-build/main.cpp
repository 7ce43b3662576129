#include "DatabaseBuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the OrvelDB place and time-zone database from GeoNames cities500.txt and region names, "
        "the system's IANA time-zone data and Debian's iso-codes lists."));
    parser.addHelpOption();
    const QCommandLineOption cities(QStringLiteral("cities"), QStringLiteral("GeoNames cities file."),
                                    QStringLiteral("file"));
    const QCommandLineOption isoCodes(QStringLiteral("iso-codes"),
                                      QStringLiteral("Folder of iso_3166-1.json and iso_3166-2.json."),
                                      QStringLiteral("folder"), QStringLiteral("/usr/share/iso-codes/json"));
    const QCommandLineOption admin(QStringLiteral("admin-names"),
                                   QStringLiteral("Folder of GeoNames' admin1.json and admin2.json."),
                                   QStringLiteral("folder"));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("The OrvelDB folder to write."),
                                    QStringLiteral("folder"));
    const QCommandLineOption zoneNames(QStringLiteral("zone-names"),
                                       QStringLiteral("Also write the IANA name of every time-table zone here."),
                                       QStringLiteral("file"));
    parser.addOptions({cities, isoCodes, admin, output, zoneNames});
    parser.process(app);
    if (!parser.isSet(cities) || !parser.isSet(admin) || !parser.isSet(output)) {
        std::fprintf(stderr, "orveldb-build: --cities, --admin-names and --output are required (see --help)\n");
        return 2;
    }
    orvel::DatabaseBuilder builder({parser.value(cities), parser.value(isoCodes), parser.value(admin), parser.value(output),
                                    parser.value(zoneNames)});
    return builder.run() ? 0 : 1;
}
