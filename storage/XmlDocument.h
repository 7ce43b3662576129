#pragma once

#include "platform/AtomicFileWriter.h"
#include "storage/FileDamage.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace orvel {

// The program's two XML files go through this small layer over the DOM: load a whole
// file, build a document element by element, walk it, and save it whole as UTF-16LE
// with a byte-order mark.
class XmlDocument {
    Q_DECLARE_TR_FUNCTIONS(XmlDocument)

public:
    // Larger files are refused unread: the data files are a few hundred kilobytes, and
    // the DOM of a runaway file could exhaust memory.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
    // Deeper nesting is refused: the DOM's parser slows down with the square of the depth.
    static constexpr int MaxDepth = 1000;

    // Reads and parses `path` (any encoding the DOM accepts, a byte-order mark included).
    // On failure the document stays as it was.
    Result<> load(const QString &path);
    // Reads `path` as far as it parses. A damaged file leaves the document with what
    // came before the damage; the elements still open there count as incomplete. An
    // existing file that cannot be read counts as damaged at its start. The value tells
    // where the file stops parsing and why (nothing read yet); the diagnostics, for
    // standard error, that the file loaded, or why and where it did not.
    Result<FileDamage> read(const QString &path);
    // False for an element that the damage cut off before its end tag.
    bool isComplete(const QDomElement &element) const;
    // The character offset at which the element's start tag begins in the file read.
    qint64 offset(const QDomElement &element) const;

    // Creates the document's root element.
    QDomElement createRoot(const QString &name);
    // Appends a new, empty element as last child of `parent`.
    QDomElement appendElement(QDomElement &parent, const QString &name);
    // Appends a new element holding only `text` as last child of `parent`. Characters
    // that XML cannot carry are dropped, so the file always loads again.
    QDomElement appendTextElement(QDomElement &parent, const QString &name, const QString &text);
    static void setIntAttribute(QDomElement &element, const QString &name, int value);
    // The attribute's value, or a null text when the node has none of that name.
    static QString attribute(const QDomNode &node, const QString &name);
    // The text of all text nodes below `node`, in document order.
    static QString text(const QDomNode &node);

    // Visits every element depth first in document order; `visit` returns whether to
    // walk into the element it was given.
    void walk(const std::function<bool(const QDomElement &)> &visit) const;

    // The file content: bytes FF FE, then the document's text as UTF-16LE without an
    // XML declaration or indentation.
    QByteArray toBytes() const;
    // Replaces the file at `path` with toBytes() through `writer`; a failure leaves the
    // old file intact.
    Result<> save(const QString &path, const FileWriter &writer = AtomicFileWriter::standard()) const;

private:
    QDomDocument m_dom;
    std::vector<QDomElement> m_open;                       // cut off by the damage
    std::vector<std::pair<QDomElement, qint64>> m_offsets; // every element read, in document order
};

} // namespace orvel
