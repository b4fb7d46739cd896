#pragma once
// Huelisk: the palette library. One entry point, callable from C.

#if defined(_WIN32)
#if defined(HUELISK_BUILDING)
#define HUELISK_API __declspec(dllexport)
#else
#define HUELISK_API __declspec(dllimport)
#endif
#else
#define HUELISK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Shows the modal palette editor over a 260-byte palette record and edits it in place.
//
// paletteRecord: 64 entries of 4 bytes, each the little-endian pixel value 0x00RRGGBB,
// followed by the display gain as a little-endian 32-bit float. Need not be aligned.
// startupDirectory: zero-terminated UTF-8 folder where the file dialogs start; may be null or
// empty (the current directory is used then).
//
// Returns 1 when the user pressed OK and the record's bytes changed, 0 otherwise: Cancel, OK
// without a change, a null record, no QApplication, or a call from a thread other than the
// application's. Whenever 0 is returned the record is left exactly as it was.
HUELISK_API int PalEdit(unsigned char* paletteRecord, const char* startupDirectory);

#ifdef __cplusplus
}
#endif
