#include "tprogressprinter.h"

#include "cliutil.h"

namespace {

constexpr int BarWidth = 30;
constexpr int RedrawMs = 100;

} // namespace

TProgressPrinter::TProgressPrinter(std::FILE *stream)
    : m_stream(stream)
    , m_day(TCli::tr("current day"))
{ }

TProgressPrinter::~TProgressPrinter()
{
    done();
}

QString TProgressPrinter::line(const QString &day, int step, int steps, int dayNumber, int days)
{
    const int percent = steps > 0 ? int(100LL * std::clamp(step, 0, steps) / steps) : 0;
    const int filled = percent * BarWidth / 100;
    QString text = QStringLiteral("%1 [%2%3] %4%")
                           .arg(day, QString(filled, QLatin1Char('#')),
                                QString(BarWidth - filled, QLatin1Char(' ')))
                           .arg(percent, 3);
    if (days > 1)
        text += QLatin1Char(' ') + TCli::tr("(day %1 of %2)").arg(dayNumber).arg(days);
    return text;
}

void TProgressPrinter::setSteps(int steps)
{
    m_steps = steps;
    m_step = 0;
    m_shown = -1;
    draw();
}

void TProgressPrinter::setStep(int step)
{
    m_step = step;
    draw();
}

void TProgressPrinter::setRun(int value, int maximum)
{
    m_steps = maximum;
    m_step = value;
    draw();
}

void TProgressPrinter::setDay(const QDate &day, int number, int days)
{
    if (day.isValid())
        m_day = day.toString(Qt::ISODate);
    m_dayNumber = number;
    m_days = days;
    // the new day is shown at once
    m_shown = -1;
    m_clock.invalidate();
    draw();
}

void TProgressPrinter::draw()
{
    // redraw only when the figure changes, and not more often than a
    // terminal can show: a year has millions of steps
    const int percent = m_steps > 0 ? int(100LL * m_step / m_steps) : 0;
    if (percent == m_shown)
        return;
    const bool last = percent == 100;
    if (m_clock.isValid() && m_clock.elapsed() < RedrawMs && !last)
        return;
    m_clock.start();
    m_shown = percent;
    // a shorter line covers the longer one before it
    const QString text = line(m_day, m_step, m_steps, m_dayNumber, m_days);
    m_width = std::max(m_width, int(text.size()));
    std::fprintf(m_stream, "\r%s", qPrintable(text.leftJustified(m_width)));
    std::fflush(m_stream);
    m_drawn = true;
}

void TProgressPrinter::done()
{
    if (!m_drawn)
        return;
    std::fprintf(m_stream, "\r%*s\r", m_width, "");
    std::fflush(m_stream);
    m_drawn = false;
}
