#pragma once

/*
 * The print engine of the report designs: a shared library ("libveltrumpe.so")
 * that the back office and the reporting module load at run time. A print
 * job is one report design opened from its file; its parameter fields are
 * read and set by number, its data are the intermediate lists of a data
 * directory, and starting it renders the design into HTML for a viewer.
 * The design format is described in docs/report-templates.md.
 *
 * All texts cross the interface as NUL-terminated UTF-8. Every function may
 * be called from any thread; the jobs are shared by everyone who loaded the
 * library in the process, so a job opened by the host can be filled by the
 * module.
 */

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#ifdef VELTRUMPE_BUILD
#define PE_EXPORT __declspec(dllexport)
#else
#define PE_EXPORT __declspec(dllimport)
#endif
#else
#define PE_EXPORT __attribute__((visibility("default")))
#endif

/* Sizes of the text fields of a parameter field record, NUL included. */
enum { PE_PF_NAME_LEN = 64, PE_PF_VALUE_LEN = 1024 };

/* The parameter count of a job that does not exist, and what a loader
 * answers when the engine cannot be loaded. */
#define PE_NO_FIELDS 0xFFFFu

/* The parts of a rendered job. The page header and footer may hold the
 * placeholders {page} and {pages}, which the printing program fills. */
enum PEOutputPart { PE_BODY = 0, PE_PAGE_HEADER = 1, PE_PAGE_FOOTER = 2 };

/* One parameter field of a job. `structSize` is set by the caller to
 * sizeof(PEParameterFieldInfo). Texts longer than their field are cut at a
 * character boundary. */
typedef struct PEParameterFieldInfo
{
    unsigned short structSize;
    char name[PE_PF_NAME_LEN];
    char defaultValue[PE_PF_VALUE_LEN];
    char currentValue[PE_PF_VALUE_LEN];
    /* 1 when the current value was set, 0 when the default applies. */
    short currentValueSet;
} PEParameterFieldInfo;

/* Prepares the engine; false when it cannot work. */
PE_EXPORT bool PEOpenEngine(void);
/* Closes every job. */
PE_EXPORT void PECloseEngine(void);

/* Opens the design in `reportFile`: the job number (1 or more), or 0 when
 * the file cannot be read or holds a mistake (PEGetErrorText(0, …) tells). */
PE_EXPORT short PEOpenPrintJob(const char *reportFile);
PE_EXPORT bool PEClosePrintJob(short job);

/* Number of parameter fields, in the order of their first mention in the
 * design; PE_NO_FIELDS for an unknown job. */
PE_EXPORT unsigned short PEGetNParameterFields(short job);
/* Fills `info` with field `n` (from 0). */
PE_EXPORT bool PEGetNthParameterField(short job, short n, PEParameterFieldInfo *info);
/* Sets the current value of field `n` from `info->currentValue`. A non-empty
 * `info->name` must be that field's name. */
PE_EXPORT bool PESetNthParameterField(short job, short n, const PEParameterFieldInfo *info);

/* The directory holding the intermediate lists ("tables.txt" …); by default
 * the design's own directory. */
PE_EXPORT bool PESetDataDirectory(short job, const char *directory);
/* The language file of the design and the one used for texts it lacks;
 * either may be empty or missing. */
PE_EXPORT bool PESetLanguageFiles(short job, const char *file, const char *defaultFile);

/* Reads the lists and renders the job; false when a list cannot be read. */
PE_EXPORT bool PEStartPrintJob(short job);
/* Copies a part of the rendered job into `buffer` (at most `size` bytes,
 * NUL included; `buffer` may be null to ask for the size). Returns the
 * bytes the whole part needs with its NUL, or -1 when the job does not
 * exist or has not been started. */
PE_EXPORT int PEGetOutput(short job, int part, char *buffer, int size);
/* The last mistake of the job (job 0: of the last PEOpenPrintJob), with
 * PEGetOutput's conventions; an empty text when there was none. */
PE_EXPORT int PEGetErrorText(short job, char *buffer, int size);

/* Entry point types, for loading the engine at run time. */
typedef bool (*PEOpenEngineFn)(void);
typedef void (*PECloseEngineFn)(void);
typedef short (*PEOpenPrintJobFn)(const char *);
typedef bool (*PEClosePrintJobFn)(short);
typedef unsigned short (*PEGetNParameterFieldsFn)(short);
typedef bool (*PEGetNthParameterFieldFn)(short, short, PEParameterFieldInfo *);
typedef bool (*PESetNthParameterFieldFn)(short, short, const PEParameterFieldInfo *);
typedef bool (*PESetDataDirectoryFn)(short, const char *);
typedef bool (*PESetLanguageFilesFn)(short, const char *, const char *);
typedef bool (*PEStartPrintJobFn)(short);
typedef int (*PEGetOutputFn)(short, int, char *, int);
typedef int (*PEGetErrorTextFn)(short, char *, int);

#ifdef __cplusplus
}
#endif
