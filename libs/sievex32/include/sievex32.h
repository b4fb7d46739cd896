/* sievex32: a chain of ground-penetrating-radar filters behind a small C interface.
 *
 * A filter list is an ordered chain of filters, each enabled or disabled, each with its own
 * parameters. The host loads and saves the chain as a text file, lets the user edit it in a modal
 * dialog with a preview of some traces, and applies it to blocks of 16-bit or 32-bit traces.
 * Every function accepts null pointers and returns 0 for them; no exception leaves the library. */
#ifndef SIEVEX32_H
#define SIEVEX32_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(SIEVEX32_BUILDING)
#define SIEVEX32_API __declspec(dllexport)
#else
#define SIEVEX32_API __declspec(dllimport)
#endif
#else
#define SIEVEX32_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The opaque filter list. */
typedef struct SievexList SievexList;

/* What the host tells the library about a block of traces. 48 bytes, little-endian, natural
 * alignment; the traces are stored one after the other, samplesPerTrace samples each. */
typedef struct SievexDataDescription {
  int32_t samplesPerTrace;
  int32_t traceCount;
  double samplingFrequency; /* MHz */
  double antennaFrequency;  /* MHz */
  double antennaSeparation;
  double traceInterval;
  int32_t timeFlag; /* 1: traceInterval is a time */
  int32_t reserved; /* keeps the block's bytes defined; write 0 */
} SievexDataDescription;

/* One filter of a list as FilterListGetFilter describes it. */
typedef struct SievexFilterInfo {
  char name[32];        /* the filter's name in the settings file, e.g. "bandpass" */
  char title[64];       /* the editor's caption, e.g. "Band-pass (zero-phase Butterworth)" */
  int32_t enabled;      /* 0 when the chain skips this filter */
  char parameters[256]; /* "key=value unit" items separated by spaces; "auto" values follow the data */
} SievexFilterInfo;

SIEVEX32_API SievexList* FilterListCreate(void);
SIEVEX32_API void FilterListDestroy(SievexList* list);

/* Replaces the chain by the file's; a missing, damaged or unknown file leaves it as it was and
 * returns 0. */
SIEVEX32_API int FilterListLoad(SievexList* list, const char* path);
/* Writes the chain; returns 0 when the file could not be written (a previous file then stays). */
SIEVEX32_API int FilterListSave(SievexList* list, const char* path);
SIEVEX32_API int FilterListGetSize(SievexList* list);

SIEVEX32_API SievexFilterInfo* FilterInfoCreate(void);
/* Fills info for filter index (0-based); 0 when the index is outside the chain. */
SIEVEX32_API int FilterListGetFilter(SievexList* list, SievexFilterInfo* info, int index);
SIEVEX32_API void FilterInfoDestroy(SievexFilterInfo* info);

/* Shows the modal chain editor over the traces given (at most the first 200 are shown), parented
 * to parentWindow (a QWidget*, or 0). Non-zero when the user accepted a changed chain; 0 when it
 * was cancelled or left as it was, or when the host has no QApplication. */
SIEVEX32_API int FilterListEdit(SievexList* list, void* parentWindow, const int16_t* samples,
                                SievexDataDescription* data);
SIEVEX32_API int FilterListEdit32(SievexList* list, void* parentWindow, const int32_t* samples,
                                  SievexDataDescription* data);

/* Writes data->traceCount filtered traces into destination; the source is not changed. With no
 * enabled filter the traces are copied unchanged. Results saturate at the sample type's range.
 * Returns 0, writing nothing, when the arguments are unusable or memory runs out. */
SIEVEX32_API int FilterListApply(SievexList* list, const int16_t* source, int16_t* destination,
                                 SievexDataDescription* data);
SIEVEX32_API int FilterListApply32(SievexList* list, const int32_t* source, int32_t* destination,
                                   SievexDataDescription* data);

#ifdef __cplusplus
}
#define SIEVEX32_STATIC_ASSERT(condition, message) static_assert(condition, message)
#else
#define SIEVEX32_STATIC_ASSERT(condition, message) _Static_assert(condition, message)
#endif

SIEVEX32_STATIC_ASSERT(sizeof(SievexDataDescription) == 48, "the data description is 48 bytes");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, samplesPerTrace) == 0, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, traceCount) == 4, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, samplingFrequency) == 8, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, antennaFrequency) == 16, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, antennaSeparation) == 24, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, traceInterval) == 32, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, timeFlag) == 40, "layout");
SIEVEX32_STATIC_ASSERT(offsetof(SievexDataDescription, reserved) == 44, "layout");

#endif /* SIEVEX32_H */
