#include "tcomparisoncapture.h"

#include "tcomparisondata.h"

#include <QJsonDocument>

#include <cerrno>

namespace PosLib {

namespace {

QString str(const char *text)
{
    return QString::fromLatin1(text);
}

// Hands the sections on to `sink` with each run of captured records in
// its place.
class TRecordRuns : public TSummaryDataSink
{
public:
    TRecordRuns(TComparisonRecords &records, TSummaryDataSink &sink)
        : m_records(records)
        , m_sink(sink)
    { }

    bool ok() const { return m_ok; }

    void beginSection(const QJsonObject &section) override { m_sink.beginSection(section); }
    void beginPeriod(const QJsonObject &period) override { m_sink.beginPeriod(period); }
    void beginGroup(const QJsonObject &group) override { m_sink.beginGroup(group); }
    void item(const QJsonObject &item) override
    {
        if (!item.contains(str("@records"))) {
            m_sink.item(item);
            return;
        }
        const bool current = item.value(str("presentIn")).toString() == QLatin1String("current");
        m_ok = m_ok
               && m_records.read(item.value(str("@records")).toInteger(),
                                 item.value(str("@count")).toInt(),
                                 [this, current](const QByteArray &record) {
                                     m_sink.itemJson(joinedRecordJson(record, current));
                                 });
    }
    void endGroup(const QJsonObject &rest) override { m_sink.endGroup(rest); }
    void endPeriod() override { m_sink.endPeriod(); }
    void endSection() override { m_sink.endSection(); }

private:
    TComparisonRecords &m_records;
    TSummaryDataSink &m_sink;
    bool m_ok = true;
};

} // namespace

TComparisonRecords::TComparisonRecords()
{
    m_ok = m_file.open();
}

qint64 TComparisonRecords::add(const QByteArray &bytes)
{
    const qint64 at = m_end;
    // after a read the file stands elsewhere
    if (!m_ok || (m_file.pos() != m_end && !m_file.seek(m_end))) {
        failed();
        return at;
    }
    const quint32 size = quint32(bytes.size());
    const char head[4] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    if (m_file.write(head, 4) != 4 || m_file.write(bytes) != bytes.size())
        failed();
    m_end += 4 + bytes.size();
    return at;
}

bool TComparisonRecords::read(qint64 at, int count,
                              const std::function<void(const QByteArray &compact)> &take)
{
    if (!m_ok || !m_file.flush())
        return failed();
    // a seek drops what was read ahead: only where the file is not there
    if (m_file.pos() != at && !m_file.seek(at))
        return failed();
    for (int i = 0; i < count; ++i) {
        unsigned char head[4];
        if (m_file.read(reinterpret_cast<char *>(head), 4) != 4)
            return failed();
        const qint64 size = qint64(head[0]) << 24 | head[1] << 16 | head[2] << 8 | head[3];
        m_bytes.resize(size);
        if (m_file.read(m_bytes.data(), size) != size)
            return failed();
        take(m_bytes);
    }
    return true;
}

bool TComparisonRecords::failed()
{
    // the first failure's
    if (m_ok)
        m_osError = errno != 0 ? errno : EIO;
    m_ok = false;
    return false;
}

TComparisonCapture::TComparisonCapture(TComparisonRecords &records)
    : m_records(records)
{ }

void TComparisonCapture::beginSection(const QJsonObject &section)
{
    m_section = section;
    m_periods = QJsonArray();
}

void TComparisonCapture::beginPeriod(const QJsonObject &period)
{
    m_period = period;
    m_groups = QJsonArray();
}

void TComparisonCapture::beginGroup(const QJsonObject &group)
{
    m_group = group;
    m_items = QJsonArray();
    m_runCount = 0;
    // the rows of this group's nodes come next
    m_json.forget();
}

void TComparisonCapture::item(const QJsonObject &item)
{
    const QString node = item.value(str("node")).toString();
    if (!isRecordNode(node)) {
        endRun();
        m_items.append(item);
        return;
    }
    addRecord(node, QJsonDocument(item).toJson(QJsonDocument::Compact));
}

void TComparisonCapture::leafItem(const TSummaryItem &made)
{
    if (!isRecordNode(made.node)) {
        item(made.toJson());
        return;
    }
    m_bytes.resize(0);
    m_json.append(m_bytes, made);
    addRecord(made.node, m_bytes);
}

void TComparisonCapture::addRecord(const QString &node, const QByteArray &compact)
{
    const qint64 at = m_records.add(compact);
    if (m_runCount > 0 && node == m_runNode) {
        ++m_runCount;
        return;
    }
    endRun();
    m_runNode = node;
    m_runStart = at;
    m_runCount = 1;
}

void TComparisonCapture::endRun()
{
    if (m_runCount == 0)
        return;
    m_items.append(QJsonObject {
            {str("node"), m_runNode}, {str("@records"), m_runStart}, {str("@count"), m_runCount}});
    m_runCount = 0;
}

void TComparisonCapture::endGroup(const QJsonObject &rest)
{
    endRun();
    QJsonObject group = m_group;
    group.insert(str("items"), m_items);
    for (auto it = rest.constBegin(); it != rest.constEnd(); ++it)
        group.insert(it.key(), it.value());
    m_groups.append(group);
    m_items = QJsonArray();
}

void TComparisonCapture::endPeriod()
{
    QJsonObject period = m_period;
    period.insert(str("groups"), m_groups);
    m_periods.append(period);
    m_groups = QJsonArray();
}

void TComparisonCapture::endSection()
{
    QJsonObject section = m_section;
    section.insert(str("periods"), m_periods);
    m_sections.append(section);
    m_periods = QJsonArray();
}

QJsonObject TComparisonCapture::document(QJsonObject head) const
{
    head.insert(str("sections"), m_sections);
    return head;
}

bool replayComparison(const QJsonObject &document, TComparisonRecords &records,
                      TSummaryDataSink &sink)
{
    TRecordRuns runs(records, sink);
    replaySections(document, runs);
    return runs.ok();
}

} // namespace PosLib
