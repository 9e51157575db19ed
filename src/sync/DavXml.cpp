#include "sync/DavXml.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCalDav = QStringLiteral("urn:ietf:params:xml:ns:caldav");

class Body
{
public:
    explicit Body(const char* root, const QString& ns) : m_xml(&m_out)
    {
        m_xml.writeStartDocument();
        m_xml.writeNamespace(kDav, QStringLiteral("d"));
        m_xml.writeNamespace(kCalDav, QStringLiteral("c"));
        m_xml.writeStartElement(ns, QLatin1String(root));
    }
    QXmlStreamWriter& Xml() { return m_xml; }
    void Props(std::initializer_list<std::pair<QString, const char*>> props)
    {
        m_xml.writeStartElement(kDav, QStringLiteral("prop"));
        for (const auto& [ns, name] : props) m_xml.writeEmptyElement(ns, QLatin1String(name));
        m_xml.writeEndElement();
    }
    QByteArray Take()
    {
        m_xml.writeEndDocument();
        return m_out;
    }

private:
    QByteArray m_out;
    QXmlStreamWriter m_xml;
};

// One <response>: its properties in 2xx blocks are kept, the others passed over.
struct ResponseReader
{
    explicit ResponseReader(QXmlStreamReader& xml) : Xml(xml) {}

    QXmlStreamReader& Xml;
    DavAnswer Answer;
    DavAnswer Block;
    int BlockStatus = 0;
    int FailedStatus = 0;
    bool AnyOk = false;
    bool InPropstat = false;

    void Read()
    {
        bool ownStatus = false;
        int depth = 1;
        while (!Xml.atEnd()) {
            Xml.readNext();
            if (Xml.isEndElement()) {
                if (Xml.name() == u"propstat") EndOfBlock();
                if (--depth == 0) break;
                continue;
            }
            if (!Xml.isStartElement()) continue;
            const bool dav = Xml.namespaceUri() == kDav, cal = Xml.namespaceUri() == kCalDav;
            const auto name = Xml.name();
            if (dav &&
                (name == u"propstat" || name == u"prop" || name == u"resourcetype" ||
                 name == u"supported-report-set" || name == u"supported-report" || name == u"report")) {
                if (name == u"propstat") StartOfBlock();
                ++depth;
                continue;
            }
            if (dav && name == u"href" && !InPropstat)
                Answer.Href = Xml.readElementText().trimmed();
            else if (dav && name == u"status" && InPropstat)
                BlockStatus = StatusOfLine(Xml.readElementText());
            else if (dav && name == u"status") {
                Answer.Status = StatusOfLine(Xml.readElementText());
                ownStatus = true;
            } else if (dav && name == u"getetag")
                Block.ETag = Xml.readElementText().trimmed();
            else if (dav && name == u"sync-token")
                Block.SyncToken = Xml.readElementText().trimmed();
            else if (dav && name == u"displayname")
                Block.DisplayName = Xml.readElementText().trimmed();
            else if (cal && name == u"calendar-data")
                Block.CalendarData = Xml.readElementText().toUtf8();
            else {
                if (cal && name == u"calendar") Block.Calendar = true;
                if (dav && name == u"sync-collection") Block.SyncCollection = true;
                Xml.skipCurrentElement();
            }
        }
        if (!ownStatus && !AnyOk && FailedStatus) Answer.Status = FailedStatus;
    }

    void StartOfBlock()
    {
        InPropstat = true;
        Block = DavAnswer();
        BlockStatus = 0;
    }

    void EndOfBlock()
    {
        InPropstat = false;
        if (BlockStatus / 100 != 2) {
            FailedStatus = BlockStatus;
            return;
        }
        AnyOk = true;
        if (!Block.ETag.isEmpty()) Answer.ETag = Block.ETag;
        if (!Block.CalendarData.isEmpty()) Answer.CalendarData = Block.CalendarData;
        if (!Block.SyncToken.isEmpty()) Answer.SyncToken = Block.SyncToken;
        if (!Block.DisplayName.isEmpty()) Answer.DisplayName = Block.DisplayName;
        Answer.Calendar = Answer.Calendar || Block.Calendar;
        Answer.SyncCollection = Answer.SyncCollection || Block.SyncCollection;
    }
};

} // namespace

QByteArray PropfindBody()
{
    Body b("propfind", kDav);
    b.Props({{kDav, "resourcetype"},
             {kDav, "displayname"},
             {kDav, "sync-token"},
             {kDav, "supported-report-set"}});
    return b.Take();
}

QByteArray CalendarQueryBody(const QString& from, const QString& to)
{
    Body b("calendar-query", kCalDav);
    b.Props({{kDav, "getetag"}});
    QXmlStreamWriter& x = b.Xml();
    x.writeStartElement(kCalDav, QStringLiteral("filter"));
    x.writeStartElement(kCalDav, QStringLiteral("comp-filter"));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("VCALENDAR"));
    x.writeStartElement(kCalDav, QStringLiteral("comp-filter"));
    x.writeAttribute(QStringLiteral("name"), QStringLiteral("VEVENT"));
    x.writeStartElement(kCalDav, QStringLiteral("time-range"));
    x.writeAttribute(QStringLiteral("start"), from + QStringLiteral("T000000Z"));
    x.writeAttribute(QStringLiteral("end"), to + QStringLiteral("T000000Z"));
    return b.Take();
}

QByteArray SyncCollectionBody(const QString& token)
{
    Body b("sync-collection", kDav);
    b.Xml().writeTextElement(kDav, QStringLiteral("sync-token"), token);
    b.Xml().writeTextElement(kDav, QStringLiteral("sync-level"), QStringLiteral("1"));
    b.Props({{kDav, "getetag"}});
    return b.Take();
}

QByteArray MultigetBody(const QStringList& hrefs)
{
    Body b("calendar-multiget", kCalDav);
    b.Props({{kDav, "getetag"}, {kCalDav, "calendar-data"}});
    for (const QString& href : hrefs) b.Xml().writeTextElement(kDav, QStringLiteral("href"), href);
    return b.Take();
}

int StatusOfLine(const QString& line)
{
    const QStringList parts = line.simplified().split(u' ');
    return parts.size() >= 2 ? parts[1].toInt() : 0;
}

std::optional<DavMultistatus> ReadMultistatus(const QByteArray& xml)
{
    QXmlStreamReader x(xml);
    if (!x.readNextStartElement() || x.namespaceUri() != kDav || x.name() != u"multistatus")
        return std::nullopt;
    DavMultistatus out;
    while (x.readNextStartElement()) {
        if (x.namespaceUri() == kDav && x.name() == u"response") {
            ResponseReader r(x);
            r.Read();
            if (r.Answer.Href.isEmpty()) return std::nullopt;
            out.Answers.append(r.Answer);
        } else if (x.namespaceUri() == kDav && x.name() == u"sync-token") {
            out.SyncToken = x.readElementText().trimmed();
        } else {
            x.skipCurrentElement();
        }
    }
    if (x.hasError()) return std::nullopt;
    return out;
}
