#include "tools/orvelchart/BatchCommand.h"

#include "engine/ChartCommands.h"
#include "engine/Ephemeris.h"
#include "placedb/PlaceOffsetLookup.h"
#include "render/ChartPicture.h"
#include "engine/ChartScene.h"
#include "platform/AtomicFileWriter.h"
#include "platform/MessageSink.h"
#include "render/ChartFonts.h"
#include "storage/AafFileStream.h"
#include "storage/FileDamage.h"
#include "storage/HoroscopeFileStream.h"
#include "tools/orvelchart/ChartJson.h"
#include "tools/orvelchart/JsonWriter.h"
#include "tools/orvelchart/TableCommand.h"

#include <QDir>
#include <QSet>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace orvel {

namespace {

struct Options {
    QString kind;   // radix, table or render
    QString window; // for table
    QString folder; // for render
    bool svg = false;
    QString from;
    int jobs = int(std::max(1u, std::thread::hardware_concurrency()));
};

constexpr int MaxJobs = 256;

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
        } else if (option == u"--jobs") {
            bool number = false;
            o.jobs = arguments[i + 1].toInt(&number);
            if (!number || o.jobs < 1 || o.jobs > MaxJobs)
                return QStringLiteral("batch: --jobs needs a number of threads from 1 to %1, not '%2'")
                    .arg(MaxJobs)
                    .arg(arguments[i + 1]);
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

// What one horoscope prints: its line on standard output and its messages on standard
// error, written by the thread that keeps the file order.
struct ItemResult {
    QByteArray out;
    QByteArray err;
    QStringList notices; // each thread's engine tells them once; the batch prints each once
    bool ok = true;
};

// The horoscopes of a file one after another, a horoscope file or an AAF file, each
// streamed.
class ItemSource {
public:
    ItemSource(const DateTime &now, PlaceDirectory &places) : m_stream(now), m_aafStream(places) {}

    bool open(const QString &path)
    {
        m_path = path;
        m_aaf = path.endsWith(QStringLiteral(".aaf"), Qt::CaseInsensitive);
        if (!m_aaf) {
            if (m_stream.open(path))
                return true;
            return failed(m_stream.error());
        }
        // The first record is read at once, so that a file without any is refused before
        // anything is written.
        AafEntry first;
        if (!m_aafStream.open(path) || !m_aafStream.next(first))
            return failed(m_aafStream.error());
        m_first = std::move(first);
        return true;
    }

    // The next horoscope, or false after the last.
    bool next(Item &item)
    {
        if (m_aaf) {
            AafEntry entry;
            if (m_first)
                entry = std::move(*std::exchange(m_first, std::nullopt));
            else if (!m_aafStream.next(entry))
                return false;
            item = {std::move(entry.name), std::move(entry.horoscope), std::move(entry.reason)};
            return true;
        }
        HoroscopeFile::Element element;
        if (!m_stream.next(element))
            return false;
        m_read += element.record ? 1 : 0;
        item = {std::move(element.name), std::move(element.record), std::move(element.error)};
        return true;
    }

    // Says, after the last horoscope, whether the file ended well; a damaged one is named
    // with the place of the damage.
    bool endedWell() const
    {
        if (m_aaf)
            return m_aafStream.error().isEmpty() || failed(m_aafStream.error());
        if (!m_stream.brokenAt())
            return true;
        const FileDamage damage{m_path, m_stream.brokenAt(), m_stream.error(), {}, m_read};
        return failed(damage.describe(FileDamage::Items::Horoscopes));
    }

private:
    static bool failed(const QString &error)
    {
        std::fprintf(stderr, "orvelchart: batch: %s\n", error.toLocal8Bit().constData());
        return false;
    }

    QString m_path;
    bool m_aaf = false;
    HoroscopeFileStream m_stream;
    AafFileStream m_aafStream;
    std::optional<AafEntry> m_first;
    int m_read = 0;
};

// Messages kept for the horoscope being computed, to be written in file order.
class CollectingSink : public MessageSink {
public:
    void showMessage(const QString &text) override { m_kept.append(text); }
    bool askYesNo(const QString &text) override
    {
        showMessage(text);
        return false;
    }
    void setBusy(bool) override {}
    QStringList take() { return std::exchange(m_kept, {}); }

private:
    QStringList m_kept;
};

QByteArray jsonText(const QString &text)
{
    JsonWriter json;
    json.value(text);
    return json.text();
}

// The charts of one thread: its own engine and chart commands over its own copy of the
// horoscope list, so that threads share nothing but the settings they read.
class ChartWorker {
public:
    ChartWorker(const BatchCommand::Context &c, const Options &o, const DateTime &now)
        : m_options(o), m_symbolFontFile(c.programFolder + u'/' + ChartFonts::SymbolFile), m_settings(c.settings),
          m_horoscopes(c.horoscopes), m_engine(m_sink, m_notices, c.ephemerisFolder),
          m_commands(m_engine, m_horoscopes, c.settings, c.clock, c.places, m_sink)
    {
        if (m_horoscopes.empty())
            m_horoscopes.push_back(HoroscopeRecord::createDefault(now));
    }

    ItemResult compute(int index, const Item &item)
    {
        ItemResult result;
        QString error = item.error;
        if (item.record) {
            m_horoscopes[0] = *item.record;
            m_commands.showRadixI();
            result.notices = m_notices.take();
            const QStringList messages = m_sink.take();
            for (const QString &m : messages)
                result.err += m.toLocal8Bit() + '\n';
            error = messages.join(QStringLiteral("; "));
        }
        if (!item.record || !error.isEmpty())
            return failed(result, index, item.name, jsonText(error));
        const ChartScene scene{m_engine, m_commands, m_settings, m_horoscopes};
        if (m_options.kind == u"radix") {
            result.out = line(index, item.name, "chart", ChartJson::chart(m_engine, m_commands, m_settings));
        } else if (m_options.kind == u"table") {
            result.out = line(index, item.name, "table", TableCommand::json(m_options.window, scene));
        } else {
            const QString file = QDir(m_options.folder)
                                     .filePath(BatchCommand::fileStem(index, item.name)
                                               + (m_options.svg ? u".svg"_qs : u".png"_qs));
            const QByteArray picture = m_options.svg
                ? ChartPicture::svg(scene, 1, m_symbolFontFile)
                : ChartPicture::png(scene, 1);
            const Result<> written = AtomicFileWriter::standard().write(file, picture);
            if (!written)
                return failed(result, index, item.name, jsonText(written.message()));
            result.out = line(index, item.name, "file", jsonText(file));
        }
        return result;
    }

private:
    static QByteArray line(int index, const QString &name, const char *key, const QByteArray &rawJson)
    {
        JsonWriter head;
        head.beginObject();
        head.member("index", index);
        head.member("horoscope", name);
        head.key(key);
        // The chart and table objects come ready-made from the single commands' writers.
        return head.text() + rawJson + "}\n";
    }

    static ItemResult &failed(ItemResult &result, int index, const QString &name, const QByteArray &error)
    {
        result.out = line(index, name, "error", error);
        result.ok = false;
        return result;
    }

    const Options &m_options;
    const QString m_symbolFontFile; // embedded in SVG pictures
    const ChartSettings &m_settings;
    CollectingSink m_sink;
    CollectingSink m_notices;
    std::vector<HoroscopeRecord> m_horoscopes;
    ChartEngine m_engine;
    ChartCommands m_commands;
};

// Writes the results in file order.
class ResultWriter {
public:
    void write(const ItemResult &r)
    {
        for (const QString &notice : r.notices) {
            if (!m_told.contains(notice)) {
                m_told.insert(notice);
                std::fprintf(stderr, "%s\n", notice.toLocal8Bit().constData());
            }
        }
        std::fwrite(r.err.constData(), 1, r.err.size(), stderr);
        std::fwrite(r.out.constData(), 1, r.out.size(), stdout);
        m_allGood = m_allGood && r.ok;
    }
    bool allGood() const { return m_allGood; }

private:
    QSet<QString> m_told;
    bool m_allGood = true;
};

// The horoscopes of a file in chunks through `jobs` threads; the calling thread reads
// the file and writes the results of the chunks in file order. At most a few chunks
// per thread are in flight, so memory does not grow with the file.
class ParallelBatch {
public:
    ParallelBatch(const BatchCommand::Context &c, const Options &o, const DateTime &now) : m_context(c), m_options(o), m_now(now) {}

    bool run(ItemSource &source, int jobs)
    {
        const QString folder = Ephemeris::dataFolder();
        std::vector<std::thread> threads;
        for (int j = 0; j < jobs; ++j)
            threads.emplace_back([this, folder] { work(folder); });
        ResultWriter writer;
        int index = 0;
        bool more = true;
        std::unique_lock lock(m_mutex);
        for (;;) {
            while (!m_inFlight.empty() && m_inFlight.front()->done) {
                const std::shared_ptr<Chunk> chunk = std::move(m_inFlight.front());
                m_inFlight.pop_front();
                lock.unlock();
                for (const ItemResult &r : chunk->results)
                    writer.write(r);
                lock.lock();
            }
            if (more && m_inFlight.size() < std::size_t(jobs) * ChunksPerThread) {
                lock.unlock();
                auto chunk = std::make_shared<Chunk>();
                chunk->first = index;
                Item item;
                while (chunk->items.size() < ChunkSize && (more = source.next(item)))
                    chunk->items.push_back(std::move(item));
                index += int(chunk->items.size());
                lock.lock();
                if (!chunk->items.empty()) {
                    m_inFlight.push_back(chunk);
                    m_waiting.push_back(chunk);
                    m_work.notify_one();
                }
                continue;
            }
            if (m_inFlight.empty())
                break;
            m_finished.wait(lock);
        }
        m_closed = true;
        m_work.notify_all();
        lock.unlock();
        for (std::thread &t : threads)
            t.join();
        return writer.allGood();
    }

private:
    static constexpr std::size_t ChunkSize = 32;
    static constexpr std::size_t ChunksPerThread = 4;

    struct Chunk {
        int first = 0;
        std::vector<Item> items;
        std::vector<ItemResult> results;
        bool done = false;
    };

    void work(const QString &ephemerisFolder)
    {
        // The library keeps its data folder per thread.
        Ephemeris::setDataFolder(ephemerisFolder);
        ChartWorker worker(m_context, m_options, m_now);
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_work.wait(lock, [this] { return m_closed || !m_waiting.empty(); });
            if (m_waiting.empty()) {
                Ephemeris::closeThread();
                return;
            }
            const std::shared_ptr<Chunk> chunk = std::move(m_waiting.front());
            m_waiting.pop_front();
            lock.unlock();
            chunk->results.reserve(chunk->items.size());
            for (std::size_t i = 0; i < chunk->items.size(); ++i)
                chunk->results.push_back(worker.compute(chunk->first + int(i), chunk->items[i]));
            lock.lock();
            chunk->done = true;
            m_finished.notify_one();
        }
    }

    const BatchCommand::Context &m_context;
    const Options &m_options;
    const DateTime &m_now;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_finished;
    std::deque<std::shared_ptr<Chunk>> m_inFlight; // in file order
    std::deque<std::shared_ptr<Chunk>> m_waiting;  // not yet taken by a thread
    bool m_closed = false;
};

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
    ItemSource source(now, c.places);
    if (!source.open(o.from.isEmpty() ? c.horoscopeFile : o.from))
        return 1;
    if (o.kind == u"render") {
        if (!QDir().mkpath(o.folder)) {
            std::fprintf(stderr, "orvelchart: batch: cannot create %s\n", o.folder.toLocal8Bit().constData());
            return 1;
        }
        ChartFonts::registerSymbolFont(c.programFolder);
    }
    bool allGood = true;
    if (o.jobs > 1) {
        allGood = ParallelBatch(c, o, now).run(source, o.jobs);
    } else {
        ChartWorker worker(c, o, now);
        ResultWriter writer;
        Item item;
        for (int index = 0; source.next(item); ++index)
            writer.write(worker.compute(index, item));
        allGood = writer.allGood();
    }
    return allGood && source.endedWell() ? 0 : 1;
}

} // namespace orvel
