#pragma once

#include <QDialog>

// The reporting options. Not built yet: an empty dialog titled "Summary
// options" with OK and "Cancel" that changes nothing, until the options
// dialog replaces it.
class TDlgOptAusw : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgOptAusw(QWidget *parent = nullptr);
    ~TDlgOptAusw() override;
};
