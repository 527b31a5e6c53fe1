#include "tclosingsread.h"

#include "terror.h"

#include <QThread>

#include <exception>

using namespace PosLib;

TClosingsRead::TClosingsRead(QObject *parent)
    : QObject(parent)
{ }

TClosingsRead::~TClosingsRead()
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void TClosingsRead::start(const QString &root)
{
    if (m_thread) {
        m_again = true;
        m_nextRoot = root;
        return;
    }
    begin(root);
}

void TClosingsRead::begin(const QString &root)
{
    m_rows.clear();
    m_error.clear();
    m_thread = QThread::create([this, root] {
        try {
            m_rows = TClosingList(root).rows();
        } catch (const Basics::TError &e) {
            m_error = Basics::userText(e);
        } catch (const std::exception &e) {
            m_error = QString::fromLocal8Bit(e.what());
        }
    });
    // queued: the thread says it has finished, this object's thread takes over
    connect(m_thread, &QThread::finished, this, &TClosingsRead::end);
    m_thread->start();
}

void TClosingsRead::end()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    if (m_again) {
        m_again = false;
        begin(m_nextRoot);
        return;
    }
    const QList<TClosingRow> rows = std::move(m_rows);
    const QString error = std::move(m_error);
    emit read(rows, error);
}
