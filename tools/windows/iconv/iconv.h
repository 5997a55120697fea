/* iconv for the Windows build of libmdb, on the code-page conversions Windows
 * itself provides (MultiByteToWideChar, WideCharToMultiByte): MinGW-w64 has no
 * iconv, and libmdb decodes Access text through it. Encodings: UTF-8, UCS-2LE
 * (= UTF-16LE) and the code pages CPn, WINDOWS-n, IBMn. */
#ifndef VANTELO_WINDOWS_ICONV_H
#define VANTELO_WINDOWS_ICONV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct vantelo_iconv *iconv_t;

iconv_t iconv_open(const char *to, const char *from);
size_t iconv(iconv_t cd, char **in, size_t *in_left, char **out, size_t *out_left);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif

#endif
