#include "session/Session.h"

#include "platform/MessageSink.h"

namespace orvel {

Session::Session(const Clock &clock, MessageSink &ui, MessageSink &notices, const QString &programFolder,
                 const QString &dataFolder, PlaceDatabase::Variant variant)
    : clock(clock), programFolder(programFolder), document(clock, ui, programFolder, dataFolder),
      places(programFolder + u'/' + PlaceDatabase::FolderName, dataFolder + u'/' + PlaceDatabase::LastCountryFileName,
             ui, variant),
      lookup(places), engine(ui, notices, document.ephemerisFolder()),
      commands(engine, document.horoscopes(), document.settings(), clock, lookup, ui)
{
    document.OnNewDocument();
    if (const QString report = document.startupReport(); !report.isEmpty())
        ui.showMessage(report);
}

} // namespace orvel
