/* See iconv.h. Converts one character at a time through UTF-16, so that it
 * stops exactly where the input holds a character the source encoding does not
 * define (EILSEQ) or the output has no room left (E2BIG), as iconv(3) does. */
#include "iconv.h"

#include <errno.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

enum { Utf8 = -1, Utf16le = -2 };

struct vantelo_iconv {
    int from;
    int to;
};

static int encoding(const char *name)
{
    static const struct { const char *prefix; } pages[] = {{"CP"}, {"WINDOWS-"}, {"IBM"}};
    if (!_stricmp(name, "UTF-8") || !_stricmp(name, "UTF8"))
        return Utf8;
    if (!_stricmp(name, "UCS-2LE") || !_stricmp(name, "UTF-16LE"))
        return Utf16le;
    for (size_t i = 0; i < sizeof pages / sizeof pages[0]; ++i) {
        const size_t length = strlen(pages[i].prefix);
        if (!_strnicmp(name, pages[i].prefix, length) && name[length] >= '1' && name[length] <= '9') {
            char *end = NULL;
            const long page = strtol(name + length, &end, 10);
            if (*end == '\0' && page > 0 && page < 65536 && IsValidCodePage((UINT)page))
                return (int)page;
        }
    }
    return 0;
}

iconv_t iconv_open(const char *to, const char *from)
{
    const int target = encoding(to);
    const int source = encoding(from);
    if (!target || !source) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    iconv_t cd = malloc(sizeof *cd);
    if (!cd) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    cd->from = source;
    cd->to = target;
    return cd;
}

int iconv_close(iconv_t cd)
{
    if (cd == (iconv_t)-1 || !cd) {
        errno = EBADF;
        return -1;
    }
    free(cd);
    return 0;
}

/* The length in bytes of the character starting the input, or 0 for an
 * invalid or cut-short one; its UTF-16 form goes to units. */
static size_t decode(int from, const unsigned char *in, size_t left, WCHAR units[2], int *count)
{
    size_t length = 1;
    if (from == Utf16le) {
        if (left < 2)
            return 0;
        units[0] = (WCHAR)(in[0] | in[1] << 8);
        *count = 1;
        if (units[0] < 0xD800 || units[0] > 0xDFFF)
            return 2;
        if (units[0] > 0xDBFF || left < 4)
            return 0;
        units[1] = (WCHAR)(in[2] | in[3] << 8);
        *count = 2;
        return units[1] >= 0xDC00 && units[1] <= 0xDFFF ? 4 : 0;
    }
    if (from == Utf8) {
        length = in[0] < 0x80 ? 1 : in[0] >= 0xF0 ? 4 : in[0] >= 0xE0 ? 3 : in[0] >= 0xC0 ? 2 : 0;
    } else if (IsDBCSLeadByteEx((UINT)from, in[0])) {
        length = 2;
    }
    if (!length || length > left)
        return 0;
    *count = MultiByteToWideChar(from == Utf8 ? CP_UTF8 : (UINT)from, MB_ERR_INVALID_CHARS,
                                 (const char *)in, (int)length, units, 2);
    return *count > 0 ? length : 0;
}

size_t iconv(iconv_t cd, char **in, size_t *in_left, char **out, size_t *out_left)
{
    if (cd == (iconv_t)-1 || !cd) {
        errno = EBADF;
        return (size_t)-1;
    }
    if (!in || !*in)
        return 0; /* no shift state to reset */
    while (*in_left > 0) {
        WCHAR units[2];
        int count = 0;
        const size_t used = decode(cd->from, (const unsigned char *)*in, *in_left, units, &count);
        if (!used) {
            errno = EILSEQ;
            return (size_t)-1;
        }
        char bytes[8];
        int produced;
        if (cd->to == Utf16le) {
            for (int i = 0; i < count; ++i) {
                bytes[2 * i] = (char)(units[i] & 0xFF);
                bytes[2 * i + 1] = (char)(units[i] >> 8);
            }
            produced = 2 * count;
        } else {
            BOOL lost = FALSE;
            const UINT page = cd->to == Utf8 ? CP_UTF8 : (UINT)cd->to;
            produced = WideCharToMultiByte(page, page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS, units, count,
                                           bytes, sizeof bytes, NULL, page == CP_UTF8 ? NULL : &lost);
            if (produced <= 0 || lost) {
                errno = EILSEQ;
                return (size_t)-1;
            }
        }
        if ((size_t)produced > *out_left) {
            errno = E2BIG;
            return (size_t)-1;
        }
        memcpy(*out, bytes, (size_t)produced);
        *out += produced;
        *out_left -= (size_t)produced;
        *in += used;
        *in_left -= used;
    }
    return 0; /* nothing converted irreversibly */
}
