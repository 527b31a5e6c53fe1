#pragma once

#include <QString>

namespace Basics {

// Exceptions of the foundation library. They are plain values: thrown by
// value, caught by reference. Each carries the raising source position, a
// reason and a code.
class TError
{
public:
    TError(int line, const char *file, int reason, int code);
    virtual ~TError() = default;

    int line() const { return m_line; }
    const char *file() const { return m_file; }
    int reason() const { return m_reason; }
    int code() const { return m_code; }

    // "file %1, line %2" for plain errors; file and directory errors add
    // the name concerned and the OS error number, and end with the
    // system's text of that number.
    virtual QString text() const;

private:
    int m_line;
    const char *m_file;
    int m_reason;
    int m_code;
};

class TOsError : public TError
{
public:
    // Takes errno at the moment of construction.
    TOsError(int line, const char *file, int reason, int code);
    TOsError(int line, const char *file, int reason, int code, int osError);

    int osError() const { return m_osError; }
    // The operating system's own words for the error number ("No space
    // left on device"); empty for 0.
    QString osErrorText() const;
    // The disk or the user's quota is full.
    bool isDiskFull() const;

private:
    int m_osError;
};

class TFileError : public TOsError
{
public:
    TFileError(int line, const char *file, int reason, int code, const QString &fileName);
    TFileError(int line, const char *file, int reason, int code, int osError,
               const QString &fileName);

    QString fileName() const { return m_fileName; }
    QString text() const override;

private:
    QString m_fileName;
};

class TDirError : public TOsError
{
public:
    TDirError(int line, const char *file, int reason, int code, const QString &path);
    TDirError(int line, const char *file, int reason, int code, int osError, const QString &path);

    QString path() const { return m_path; }
    QString text() const override;

private:
    QString m_path;
};

class TInifileError : public TOsError
{
public:
    TInifileError(int line, const char *file, int code);
};

class TCryptError : public TError
{
public:
    using TError::TError;
};

// What a user reads in a message box: the file or folder concerned and the
// cause in words ("/pos/conf: the disk is full"), without source positions.
// `fallbackName` names the file when the error itself names none.
QString userText(const TError &error, const QString &fallbackName = QString());

// The cause of an OS error number in the user's words; empty for 0.
QString osCauseText(int osError);

// The source file name without its directory, as errors report it.
const char *sourceBaseName(const char *path);

} // namespace Basics

#define T_SOURCE __LINE__, ::Basics::sourceBaseName(__FILE__)
