#include "storage/HoroscopeFileStream.h"

#include "platform/FileError.h"
#include "storage/XmlDocument.h"

namespace orvel {

namespace {
const QString RecordTag = QStringLiteral("Horoskop");
}

HoroscopeFileStream::HoroscopeFileStream(const DateTime &now) : m_now(now)
{
    m_reader.setNamespaceProcessing(false);
}

bool HoroscopeFileStream::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = FileError::message(path, m_file.error(), m_file.errorString());
        return false;
    }
    m_reader.setDevice(&m_file);
    return true;
}

bool HoroscopeFileStream::next(HoroscopeFile::Element &element)
{
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > XmlDocument::MaxDepth) {
                m_reader.raiseError(XmlDocument::tr("Elements are nested more than %1 deep.").arg(XmlDocument::MaxDepth));
                return fail();
            }
            if (m_reader.qualifiedName() == RecordTag) {
                readElement(element);
                if (m_reader.hasError())
                    return fail();
                return true;
            }
            break;
        case QXmlStreamReader::EndElement:
            --m_depth;
            break;
        default:
            break;
        }
    }
    return fail();
}

// Reads up to the element's end tag. The text of a child is that of all text below it
// that is not white space alone, as the DOM the loader walks keeps it.
void HoroscopeFileStream::readElement(HoroscopeFile::Element &element)
{
    HoroscopeRecord record = HoroscopeRecord::createDefault(m_now);
    QString error;
    QString tag;
    QString text;
    const int depth = m_depth;
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > XmlDocument::MaxDepth) {
                m_reader.raiseError(XmlDocument::tr("Elements are nested more than %1 deep.").arg(XmlDocument::MaxDepth));
                return;
            }
            if (m_depth == depth + 1) {
                tag = m_reader.qualifiedName().toString();
                text.clear();
            }
            break;
        case QXmlStreamReader::Characters:
            if (m_depth > depth && (m_reader.isCDATA() || !m_reader.isWhitespace()))
                text += m_reader.text();
            break;
        case QXmlStreamReader::EndElement:
            if (m_depth-- == depth + 1)
                HoroscopeFile::readChild(tag, text, record, error);
            if (m_depth < depth) {
                if (error.isEmpty())
                    element = {record.name, std::move(record), QString()};
                else
                    element = {record.name, std::nullopt, error};
                return;
            }
            break;
        default:
            break;
        }
    }
}

bool HoroscopeFileStream::fail()
{
    if (m_reader.hasError()) {
        m_error = m_reader.errorString();
        m_brokenAt = m_reader.characterOffset();
    }
    return false;
}

} // namespace orvel
