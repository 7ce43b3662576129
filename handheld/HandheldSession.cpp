#include "handheld/HandheldSession.h"

#include "platform/MessageSink.h"

namespace orvel {

HandheldSession::HandheldSession(const Clock &clock, MessageSink &ui, const QString &programFolder,
                                 const QString &dataFolder)
    : clock(clock), programFolder(programFolder), document(clock, ui, programFolder, dataFolder),
      places(programFolder + u'/' + PlaceDatabase::FolderName, dataFolder + u'/' + PlaceDatabase::LastCountryFileName,
             ui, PlaceDatabase::Variant::Handheld),
      lookup(places), notices(ui), engine(ui, notices, document.ephemerisFolder()),
      commands(engine, document.horoscopes(), document.settings(), clock, lookup, ui)
{
    document.OnNewDocument();
    if (const QString report = document.startupReport(); !report.isEmpty())
        ui.showMessage(report);
}

} // namespace orvel
