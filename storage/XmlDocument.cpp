#include "storage/XmlDocument.h"

#include "platform/FileError.h"

#include <QFile>
#include <QMap>
#include <QStringEncoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <optional>

namespace orvel {

namespace {

// Visits `top` and the nodes below it depth first without recursion, so that deep
// nesting cannot exhaust the stack. `enter` returns whether to walk into a node;
// `leave` runs once a node's children are done or skipped.
template <typename Enter, typename Leave>
void traverse(const QDomNode &top, Enter enter, Leave leave)
{
    QDomNode node = top;
    for (;;) {
        if (enter(node) && node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        for (;;) {
            leave(node);
            if (node == top)
                return;
            if (const QDomNode next = node.nextSibling(); !next.isNull()) {
                node = next;
                break;
            }
            node = node.parentNode();
        }
    }
}

void ignore(const QDomNode &) {}

// The diagnostics of a failed read: the reason, then where the parser stopped.
QStringList failure(const QString &path, const QString &reason, qint64 line = 0, qint64 column = 0)
{
    QStringList lines{reason};
    if (line > 0)
        lines.append(QStringLiteral("Error on line %1, position %2 in \"%3\".").arg(line).arg(column).arg(path));
    return lines;
}

struct ParseError {
    QString reason;
    qint64 line = 0;
    qint64 column = 0;
    qint64 offset = 0;
};

// What one pass of the stream reader built: the document up to the end or the damage,
// the elements the damage left open, and where each element starts.
struct Parsed {
    QDomDocument dom;
    std::vector<QDomElement> open;
    std::vector<std::pair<QDomElement, qint64>> offsets;
    std::optional<ParseError> error;
};

// Builds the DOM in one pass of the stream reader, which also watches the nesting:
// deeper than XmlDocument::MaxDepth is refused where it starts, before the DOM (whose
// own parser slows down with the square of the depth) sees it. Text of white space
// only is dropped, as the DOM's parser does. At the damage the reader stops and
// what came before it stays.
Parsed parse(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(false);
    Parsed parsed;
    QDomDocument &dom = parsed.dom;
    // The document gets its body with the first node it creates; until then it is null.
    QDomNode current;
    const auto append = [&](const QDomNode &node) {
        if (current.isNull())
            current = dom;
        return current.appendChild(node);
    };
    int depth = 0;
    while (!reader.atEnd()) {
        const qint64 start = reader.characterOffset();
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (++depth > XmlDocument::MaxDepth) {
                reader.raiseError(XmlDocument::tr("Elements are nested more than %1 deep.").arg(XmlDocument::MaxDepth));
                break;
            }
            QDomElement element = dom.createElement(reader.qualifiedName().toString());
            for (const QXmlStreamAttribute &a : reader.attributes())
                element.setAttribute(a.qualifiedName().toString(), a.value().toString());
            current = append(element);
            parsed.offsets.emplace_back(element, start);
            break;
        }
        case QXmlStreamReader::EndElement:
            --depth;
            current = current.parentNode();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA())
                append(dom.createCDATASection(reader.text().toString()));
            else if (!reader.isWhitespace())
                append(dom.createTextNode(reader.text().toString()));
            break;
        case QXmlStreamReader::Comment:
            append(dom.createComment(reader.text().toString()));
            break;
        case QXmlStreamReader::ProcessingInstruction:
            append(dom.createProcessingInstruction(reader.processingInstructionTarget().toString(),
                                                reader.processingInstructionData().toString()));
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        parsed.error = ParseError{reader.errorString(), reader.lineNumber(), reader.columnNumber(),
                                  reader.characterOffset()};
        for (QDomNode node = current; node.isElement(); node = node.parentNode())
            parsed.open.push_back(node.toElement());
    }
    return parsed;
}

// Drops what XML 1.0 cannot carry: control characters other than tab and line breaks,
// unpaired surrogates and the non-characters U+FFFE and U+FFFF.
QString xmlSafe(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            safe += c;
            safe += text[++i];
            continue;
        }
        const char16_t u = c.unicode();
        if (u == u'\t' || u == u'\n' || u == u'\r' || (u >= 0x20 && !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF))
            safe += c;
    }
    return safe;
}

} // namespace

Result<FileDamage> XmlDocument::read(const QString &path)
{
    const auto damaged = [&path](const QString &reason, qint64 offset = 0, qint64 line = 0, qint64 column = 0) {
        const FileDamage damage{path, offset, reason, {}, 0};
        Result<FileDamage> result = Result<FileDamage>::failed(ResultStatus::Damaged, damage.where(), damage);
        result.addDiagnostics(failure(path, reason, line, column));
        return result;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString reason = FileError::message(path, file.error(), file.errorString());
        if (FileError::isMissing(path)) {
            Result<FileDamage> missing = Result<FileDamage>::failed(ResultStatus::Missing, reason, FileDamage{path, {}, {}, {}, 0});
            missing.addDiagnostics(failure(path, reason));
            return missing;
        }
        return damaged(reason);
    }
    // A file is read by its size, one byte more to notice growth; a device without a
    // size is read up to one byte past the limit, which also stops endless ones.
    const qint64 size = file.isSequential() ? MaxFileSize : file.size();
    if (size > MaxFileSize)
        return damaged(tr("The file is larger than %1 bytes.").arg(MaxFileSize));
    const QByteArray bytes = file.read(size + 1);
    if (file.error() != QFileDevice::NoError)
        return damaged(FileError::message(path, file.error(), file.errorString()));
    if (bytes.size() > MaxFileSize)
        return damaged(tr("The file is larger than %1 bytes.").arg(MaxFileSize));
    Parsed parsed = parse(bytes);
    m_dom = parsed.dom;
    m_open = std::move(parsed.open);
    m_offsets = std::move(parsed.offsets);
    if (parsed.error) {
        const ParseError &error = *parsed.error;
        return damaged(error.reason, error.offset, error.line, error.column);
    }
    Result<FileDamage> complete = FileDamage{path, {}, {}, {}, 0};
    complete.addDiagnostics({QStringLiteral("XML document loaded successfully")});
    return complete;
}

Result<> XmlDocument::load(const QString &path)
{
    XmlDocument before = *this;
    const Result<FileDamage> reading = read(path);
    if (!reading)
        *this = before;
    return Result<>::passOn(reading);
}

bool XmlDocument::isComplete(const QDomElement &element) const
{
    return std::find(m_open.begin(), m_open.end(), element) == m_open.end();
}

qint64 XmlDocument::offset(const QDomElement &element) const
{
    const auto it = std::find_if(m_offsets.begin(), m_offsets.end(),
                                 [&element](const auto &e) { return e.first == element; });
    return it == m_offsets.end() ? 0 : it->second;
}

QDomElement XmlDocument::createRoot(const QString &name)
{
    QDomElement root = m_dom.createElement(name);
    m_dom.appendChild(root);
    return root;
}

QDomElement XmlDocument::appendElement(QDomElement &parent, const QString &name)
{
    QDomElement element = m_dom.createElement(name);
    parent.appendChild(element);
    return element;
}

QDomElement XmlDocument::appendTextElement(QDomElement &parent, const QString &name, const QString &text)
{
    QDomElement element = appendElement(parent, name);
    // Empty text adds no text node, so the element is written as <Name/>.
    if (!text.isEmpty())
        element.appendChild(m_dom.createTextNode(xmlSafe(text)));
    return element;
}

void XmlDocument::setIntAttribute(QDomElement &element, const QString &name, int value)
{
    element.setAttribute(name, value);
}

QString XmlDocument::attribute(const QDomNode &node, const QString &name)
{
    const QDomAttr attr = node.attributes().namedItem(name).toAttr();
    return attr.isNull() ? QString() : attr.value();
}

QString XmlDocument::text(const QDomNode &node)
{
    QString text;
    traverse(
        node,
        [&text](const QDomNode &n) {
            if (n.isText()) // CDATA sections included
                text += n.nodeValue();
            return true;
        },
        ignore);
    return text;
}

void XmlDocument::walk(const std::function<bool(const QDomElement &)> &visit) const
{
    traverse(
        m_dom, [&visit](const QDomNode &n) { return !n.isElement() || visit(n.toElement()); }, ignore);
}

QByteArray XmlDocument::toBytes() const
{
    QString text;
    QXmlStreamWriter writer(&text);
    traverse(
        m_dom,
        [&writer](const QDomNode &n) {
            if (n.isElement()) {
                writer.writeStartElement(n.nodeName());
                // The DOM keeps attributes in a hash whose order changes from run to run;
                // sorted by name (ID, Index, Index1, Index2) the file is the same every time.
                const QDomNamedNodeMap attributes = n.attributes();
                QMap<QString, QString> sorted;
                for (int i = 0; i < attributes.count(); ++i)
                    sorted.insert(attributes.item(i).nodeName(), attributes.item(i).nodeValue());
                for (auto it = sorted.cbegin(); it != sorted.cend(); ++it)
                    writer.writeAttribute(it.key(), it.value());
            } else if (n.isText()) {
                writer.writeCharacters(n.nodeValue());
            }
            return true;
        },
        [&writer](const QDomNode &n) {
            if (n.isElement())
                writer.writeEndElement();
        });
    QStringEncoder toUtf16(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE", 2) + QByteArray(toUtf16.encode(text));
}

Result<> XmlDocument::save(const QString &path, const FileWriter &writer) const
{
    return writer.write(path, toBytes());
}

} // namespace orvel
