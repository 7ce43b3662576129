#include "tools/orvelchart/BatchCommand.h"

#include "engine/ChartCommands.h"
#include "engine/PlaceDirectory.h"
#include "handheld/chart/ChartPicture.h"
#include "handheld/chart/ChartScene.h"
#include "platform/AtomicFileWriter.h"
#include "platform/ProgramFolder.h"
#include "platform/gui/ChartFonts.h"
#include "storage/AafFile.h"
#include "storage/HoroscopeFile.h"
#include "tools/orvelchart/ChartJson.h"
#include "tools/orvelchart/JsonWriter.h"
#include "tools/orvelchart/TableCommand.h"

#include <QDir>

#include <cstdio>

namespace orvel {

namespace {

struct Options {
    QString kind;   // radix, table or render
    QString window; // for table
    QString folder; // for render
    bool svg = false;
    QString from;
};

QString parse(const QStringList &arguments, Options &o)
{
    if (arguments.isEmpty())
        return QStringLiteral("batch: radix, table WINDOW or render (--svg DIR | --png DIR) is missing");
    o.kind = arguments[0];
    qsizetype i = 1;
    if (o.kind == u"table") {
        if (arguments.size() < 2)
            return QStringLiteral("batch: table needs a window");
        o.window = arguments[1];
        if (const QString problem = TableCommand::invalidWindow(o.window, ChartMode::RadixI); !problem.isEmpty())
            return problem;
        i = 2;
    } else if (o.kind != u"radix" && o.kind != u"render") {
        return QStringLiteral("batch: unknown command '%1'; one of radix, table, render").arg(o.kind);
    }
    for (; i < arguments.size(); i += 2) {
        const QString &option = arguments[i];
        if (i + 1 >= arguments.size())
            return QStringLiteral("batch: %1 needs a value").arg(option);
        if (option == u"--from") {
            o.from = arguments[i + 1];
        } else if (o.kind == u"render" && (option == u"--svg" || option == u"--png") && o.folder.isEmpty()) {
            o.folder = arguments[i + 1];
            o.svg = option == u"--svg";
        } else {
            return QStringLiteral("batch: unknown option '%1'").arg(option);
        }
    }
    if (o.kind == u"render" && o.folder.isEmpty())
        return QStringLiteral("batch: render needs --svg DIR or --png DIR");
    return {};
}

// One horoscope of the file: the record, or why there is none.
struct Item {
    QString name;
    std::optional<HoroscopeRecord> record;
    QString error;
};

bool readItems(const BatchCommand::Context &c, const QString &path, const DateTime &now, std::vector<Item> &items)
{
    if (path.endsWith(QStringLiteral(".aaf"), Qt::CaseInsensitive)) {
        AafFile::Loaded loaded = AafFile::load(path, c.places);
        if (!loaded.ok) {
            std::fprintf(stderr, "orvelchart: batch: %s\n", loaded.error.toLocal8Bit().constData());
            return false;
        }
        for (AafEntry &e : loaded.entries)
            items.push_back({e.name, std::move(e.horoscope), e.reason});
        return true;
    }
    std::vector<HoroscopeFile::Element> elements;
    if (!HoroscopeFile::loadElements(path, elements, now)) {
        std::fprintf(stderr, "orvelchart: batch: %s cannot be read\n", path.toLocal8Bit().constData());
        return false;
    }
    for (HoroscopeFile::Element &e : elements)
        items.push_back({e.name, std::move(e.record), e.error});
    return true;
}

void printLine(int index, const QString &name, const char *key, const QByteArray &rawJson)
{
    JsonWriter head;
    head.beginObject();
    head.member("index", index);
    head.member("horoscope", name);
    head.key(key);
    // The chart and table objects come ready-made from the single commands' writers.
    QByteArray line = head.text() + rawJson + '}';
    line += '\n';
    std::fwrite(line.constData(), 1, line.size(), stdout);
}

QByteArray jsonText(const QString &text)
{
    JsonWriter json;
    json.value(text);
    return json.text();
}

} // namespace

void KeptMessageSink::showMessage(const QString &text)
{
    StderrMessageSink::showMessage(text);
    m_kept.append(text);
}

QStringList KeptMessageSink::take()
{
    return std::exchange(m_kept, {});
}

QString BatchCommand::invalid(const QStringList &arguments)
{
    Options o;
    return parse(arguments, o);
}

bool BatchCommand::paints(const QStringList &arguments)
{
    return !arguments.isEmpty() && arguments[0] == u"render";
}

QString BatchCommand::fileStem(int index, const QString &name)
{
    QString stem = name;
    for (QChar &c : stem) {
        if (!c.isLetter() && !c.isDigit() && c != u'-' && c != u'_')
            c = u'_';
    }
    return QStringLiteral("%1-%2").arg(index, 4, 10, QChar(u'0')).arg(stem);
}

int BatchCommand::run(const Context &c, const QStringList &arguments, const DateTime &now)
{
    Options o;
    parse(arguments, o);
    std::vector<Item> items;
    if (!readItems(c, o.from.isEmpty() ? c.horoscopeFile : o.from, now, items))
        return 1;
    if (o.kind == u"render") {
        if (!QDir().mkpath(o.folder)) {
            std::fprintf(stderr, "orvelchart: batch: cannot create %s\n", o.folder.toLocal8Bit().constData());
            return 1;
        }
        ChartFonts::registerSymbolFont(ProgramFolder::path());
    }
    if (c.horoscopes.empty())
        c.horoscopes.push_back(HoroscopeRecord::createDefault(now));
    c.messages.take();

    bool allGood = true;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int index = int(i);
        const Item &item = items[i];
        QString error = item.error;
        if (item.record) {
            c.horoscopes[0] = *item.record;
            c.commands.showRadixI();
            error = c.messages.take().join(QStringLiteral("; "));
        }
        if (!item.record || !error.isEmpty()) {
            printLine(index, item.name, "error", jsonText(error));
            allGood = false;
            continue;
        }
        const ChartScene scene{c.engine, c.commands, c.settings, c.horoscopes};
        if (o.kind == u"radix") {
            printLine(index, item.name, "chart", ChartJson::chart(c.engine, c.commands, c.settings));
        } else if (o.kind == u"table") {
            printLine(index, item.name, "table", TableCommand::json(o.window, scene));
        } else {
            const QString file = QDir(o.folder).filePath(fileStem(index, item.name) + (o.svg ? u".svg"_qs : u".png"_qs));
            const QByteArray picture = o.svg ? ChartPicture::svg(scene, 1, ProgramFolder::file(ChartFonts::SymbolFile))
                                             : ChartPicture::png(scene, 1);
            const AtomicFileWriter::Result written = AtomicFileWriter::write(file, picture);
            if (written.ok) {
                printLine(index, item.name, "file", jsonText(file));
            } else {
                printLine(index, item.name, "error", jsonText(written.errorMessage));
                allGood = false;
            }
        }
    }
    return allGood ? 0 : 1;
}

} // namespace orvel
