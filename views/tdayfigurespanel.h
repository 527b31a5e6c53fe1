#pragma once

#include "tdayfigures.h"

#include <QFrame>

class QCommandLinkButton;
class QLabel;
class TOffWorkspace;

// Today's figures beside the overview's module list: the takings so far
// ("All amount", the figure the Z report's reconciliation ends on), the
// guests, the open tables with their amount, the takings per paid table,
// the day's voids and the last closing with its Z number, each captioned
// with the report's word for it (TFigure). F5 and a change of the
// installation read them again; each figure is a button that asks for the
// document behind it (figureActivated).
class TDayFiguresPanel : public QFrame
{
    Q_OBJECT
public:
    enum Figure { Takings, Covers, OpenTables, AverageBill, Voids, LastClosing, FigureCount };
    Q_ENUM(Figure)

    explicit TDayFiguresPanel(TOffWorkspace *workspace, QWidget *parent = nullptr);
    ~TDayFiguresPanel() override;

    const PosLib::TDayFigures &figures() const { return m_figures; }
    // The button of a figure: its value as title, its caption below.
    QCommandLinkButton *button(Figure figure) const { return m_buttons[figure]; }

public Q_SLOTS:
    // Reads the figures again.
    void refresh();
    // Sets the texts again (after a language change).
    void retranslate();

Q_SIGNALS:
    void figureActivated(TDayFiguresPanel::Figure figure);
    void refreshed();

private:
    QString money(long cents) const;

    TOffWorkspace *m_workspace;
    QLabel *m_title;
    QLabel *m_day;
    QCommandLinkButton *m_buttons[FigureCount];
    PosLib::TDayFigures m_figures;
};
