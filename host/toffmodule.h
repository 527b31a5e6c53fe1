#pragma once

#include <QString>

#include <memory>

class QLibrary;
class QPixmap;
class TOffWindow;

// A module library as the host loads it: the seven C exports resolved from
// the shared library, called in the host's order (initModule, initMenu,
// ... doneMenu, doneModule).
class TOffModule
{
public:
    using InitModule = void *(*)(TOffWindow *);
    using DoneModule = void (*)();
    using InitMenu = void (*)();
    using DoneMenu = void (*)();
    using GetPixmap = void (*)(QPixmap &);
    using GetVersion = void (*)(QString &);
    using CallMethod = void (*)(const QString &);

    TOffModule();
    ~TOffModule();
    TOffModule(const TOffModule &) = delete;
    TOffModule &operator=(const TOffModule &) = delete;

    // Loads the library and resolves every export; false (with
    // errorString()) when the file cannot be loaded or an export is
    // missing. The library stays loaded until the process ends, because
    // objects of it may outlive this object.
    bool load(const QString &fileName);
    QString errorString() const { return m_error; }
    QString fileName() const { return m_fileName; }
    bool isLoaded() const { return m_callMethod != nullptr; }

    // The first existing file among: `name` next to the program, in
    // "../lib" from it, and in the working directory ("" when none).
    static QString locate(const QString &name, const QString &programDir);
    // "libveltrum.so" on this platform.
    static QString libraryFileName(const QString &baseName);

    void *initModule(TOffWindow *window) const;
    void doneModule() const;
    void initMenu() const;
    void doneMenu() const;
    void getPixmap(QPixmap &pixmap) const;
    void getVersion(QString &version) const;
    void callMethod(const QString &slot) const;

private:
    std::unique_ptr<QLibrary> m_library;
    QString m_fileName;
    QString m_error;
    InitModule m_initModule = nullptr;
    DoneModule m_doneModule = nullptr;
    InitMenu m_initMenu = nullptr;
    DoneMenu m_doneMenu = nullptr;
    GetPixmap m_getPixmap = nullptr;
    GetVersion m_getVersion = nullptr;
    CallMethod m_callMethod = nullptr;
};
