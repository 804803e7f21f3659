// GBK, UTF-16 and UTF-8 conversions over ICU's windows-936 table.
#include "platform/CodePage.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ucnv_err.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <memory>

namespace tessivane::platform {
namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's stock substitution skips default-ignorable characters such as U+FEFF; here every
// character without a GBK form must leave a "?" behind, so the callback writes it itself.
void QuestionMarkForEachUnmappable(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t,
                                   UChar32, UConverterCallbackReason reason, UErrorCode* error) {
    if (reason > UCNV_IRREGULAR) {
        return;  // reset, close and clone need no bytes
    }
    *error = U_ZERO_ERROR;
    ucnv_cbFromUWriteBytes(args, "?", 1, 0, error);
}

UConverter* GbkConverter() {
    thread_local ConverterPtr converter = [] {
        UErrorCode error = U_ZERO_ERROR;
        ConverterPtr opened(ucnv_open("windows-936", &error));
        if (U_SUCCESS(error)) {
            ucnv_setFromUCallBack(opened.get(), QuestionMarkForEachUnmappable, nullptr, nullptr, nullptr,
                                  &error);
        }
        return opened;
    }();
    return converter.get();
}

std::u16string Normalized(const UNormalizer2* nfc, std::u16string_view run) {
    UErrorCode error = U_ZERO_ERROR;
    std::u16string out(run.size() + 8, u'\0');
    const int32_t length = unorm2_normalize(nfc, run.data(), static_cast<int32_t>(run.size()), out.data(),
                                            static_cast<int32_t>(out.size()), &error);
    if (U_FAILURE(error)) {
        return std::u16string(run);
    }
    out.resize(static_cast<std::size_t>(length));
    return out;
}

bool IsMark(UChar32 c) {
    return (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0;
}

// Composes each base character with the combining marks that follow it. Only those runs are
// normalized: full NFC would also swap the compatibility ideographs (U+F900..U+FAFF) that GBK
// holds for unified ones, changing text that has a GBK form as it is.
std::u16string Composed(std::u16string_view text) {
    UErrorCode error = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&error);
    if (U_FAILURE(error) ||
        unorm2_quickCheck(nfc, text.data(), static_cast<int32_t>(text.size()), &error) == UNORM_YES) {
        return std::u16string(text);
    }
    std::u16string out;
    out.reserve(text.size());
    const auto size = static_cast<int32_t>(text.size());
    int32_t at = 0;
    while (at < size) {
        const int32_t start = at;
        UChar32 c = 0;
        U16_NEXT(text.data(), at, size, c);
        int32_t end = at;
        while (end < size) {
            int32_t next = end;
            U16_NEXT(text.data(), next, size, c);
            if (!IsMark(c)) {
                break;
            }
            end = next;
        }
        const std::u16string_view run =
            text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
        if (end == at) {
            out.append(run);
        } else {
            out += Normalized(nfc, run);
        }
        at = end;
    }
    return out;
}

}  // namespace

std::u16string GbkToUtf16(std::string_view gbk) {
    UConverter* converter = GbkConverter();
    if (gbk.empty() || converter == nullptr) {
        return {};
    }
    ucnv_resetToUnicode(converter);
    std::u16string out(gbk.size() + 1, u'\0');  // never more units than bytes, plus a last U+FFFD
    UChar* target = out.data();
    const char* source = gbk.data();
    UErrorCode error = U_ZERO_ERROR;
    ucnv_toUnicode(converter, &target, out.data() + out.size(), &source, gbk.data() + gbk.size(), nullptr,
                   true, &error);
    out.resize(static_cast<std::size_t>(target - out.data()));
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    UConverter* converter = GbkConverter();
    if (utf16.empty() || converter == nullptr) {
        return {};
    }
    const std::u16string composed = Composed(utf16);
    ucnv_resetFromUnicode(converter);
    std::string out(composed.size() * 2 + 2, '\0');  // at most two bytes per unit
    char* target = out.data();
    const UChar* source = composed.data();
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, out.data() + out.size(), &source, composed.data() + composed.size(),
                     nullptr, true, &error);
    out.resize(static_cast<std::size_t>(target - out.data()));
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    std::u16string out(utf8.size(), u'\0');  // never more units than bytes
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, utf8.data(),
                         static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &error);
    out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    std::string out(utf16.size() * 3, '\0');
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length, utf16.data(),
                       static_cast<int32_t>(utf16.size()), 0xFFFD, nullptr, &error);
    out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(length) : 0);
    return out;
}

std::string GbkToUtf8(std::string_view gbk) {
    return Utf16ToUtf8(GbkToUtf16(gbk));
}

std::string Utf8ToGbk(std::string_view utf8) {
    return Utf16ToGbk(Utf8ToUtf16(utf8));
}

std::string PathToGbk(const std::filesystem::path& path) {
    return Utf8ToGbk(path.native());
}

std::filesystem::path GbkToPath(std::string_view gbk) {
    return std::filesystem::path(GbkToUtf8(gbk));
}

}  // namespace tessivane::platform
