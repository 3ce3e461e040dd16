// CString driven by an operation script decoded from the input, on three
// strings at once (so that aliasing between them shows), each checked after
// every step against a std::string that models it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/CString.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

constexpr int kStrings = 3;
// Appending a string to itself doubles it: past this length a script only
// spends time and memory.
constexpr size_t kMaxLength = 4096;

enum Operation {
    AssignText,
    AssignBytes,
    AssignString,
    CopyConstruct,
    AssignDefault,
    AppendText,
    AppendFromString,
    AssignFromString,
    Mid,
    Right,
    SpanExcluding,
    WriteBuffer,
    Compare,
    kMaxValue = Compare  // for FuzzedDataProvider::ConsumeEnum
};

// The bytes a C string holds: up to its first NUL.
std::string TextOf(const char* text) { return std::string(text); }

// Mostly the positions that matter, now and then any int.
int Position(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-2, 40) : input.ConsumeIntegral<int>();
}

void CheckSame(const CString& string, const std::string& model) {
    FUZZ_CHECK(string.GetLength() == static_cast<int>(model.size()));
    FUZZ_CHECK(string.IsEmpty() == model.empty());
    const char* bytes = string;
    FUZZ_CHECK(std::memcmp(bytes, model.data(), model.size()) == 0);
    FUZZ_CHECK(bytes[model.size()] == '\0');
}

std::string ModelMid(const std::string& model, int first, int count) {
    first = std::max(first, 0);
    if (count < 0 || static_cast<size_t>(first) >= model.size()) return "";
    return model.substr(static_cast<size_t>(first), static_cast<size_t>(count));
}

std::string ModelRight(const std::string& model, int count) {
    const size_t kept = std::min(static_cast<size_t>(std::max(count, 0)), model.size());
    return model.substr(model.size() - kept);
}

// The scan is a C string's: a NUL inside the string ends it as a stop byte does.
std::string ModelSpanExcluding(const std::string& model, const std::string& stopBytes) {
    return model.substr(0, std::min(model.find('\0'), model.find_first_of(stopBytes)));
}

// GetBuffer, a write of at most the bytes asked for, then ReleaseBuffer with
// the length written or -1 after a NUL.
void WriteThroughBuffer(FuzzedDataProvider& input, CString& string, std::string& model) {
    const int minLength = input.ConsumeIntegralInRange(-2, 300);
    const std::string written =
        input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, std::max(minLength, 0)));
    char* buffer = string.GetBuffer(minLength);
    std::memcpy(buffer, written.data(), written.size());
    if (input.ConsumeBool()) {
        buffer[written.size()] = '\0';
        string.ReleaseBuffer();
        model = TextOf(written.c_str());
    } else {
        const int length = input.ConsumeIntegralInRange<int>(0, static_cast<int>(written.size()));
        string.ReleaseBuffer(length);
        model = written.substr(0, static_cast<size_t>(length));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    CString strings[kStrings];
    std::string models[kStrings];

    while (input.remaining_bytes() > 0) {
        const auto operation = input.ConsumeEnum<Operation>();
        const int to = input.ConsumeIntegralInRange(0, kStrings - 1);
        const int from = input.ConsumeIntegralInRange(0, kStrings - 1);
        CString& string = strings[to];
        std::string& model = models[to];
        const CString& source = strings[from];
        const std::string sourceModel = models[from];

        switch (operation) {
        case AssignText: {
            const std::string text = input.ConsumeRandomLengthString(40);
            string = text.c_str();
            model = TextOf(text.c_str());
            break;
        }
        case AssignBytes: {  // NULs included; a length of 0 or less makes ""
            const std::string bytes = input.ConsumeRandomLengthString(40);
            const int length = input.ConsumeIntegralInRange(-2, static_cast<int>(bytes.size()));
            string = CString(bytes.data(), length);
            model = bytes.substr(0, static_cast<size_t>(std::max(length, 0)));
            break;
        }
        case AssignString:  // `from` may be `to`
            string = source;
            model = sourceModel;
            break;
        case CopyConstruct: {
            CString copy(source);
            CheckSame(copy, sourceModel);
            string = copy;
            model = sourceModel;
            break;
        }
        case AssignDefault:
            string = CString();
            model.clear();
            break;
        case AppendText: {
            const std::string text = TextOf(input.ConsumeRandomLengthString(40).c_str());
            if (model.size() + text.size() > kMaxLength) break;
            string += text.c_str();
            model += text;
            break;
        }
        case AppendFromString:
        case AssignFromString: {  // a pointer into a string's own buffer, maybe the target's
            const int offset = input.ConsumeIntegralInRange(0, source.GetLength());
            const char* text = static_cast<const char*>(source) + offset;
            const std::string added = TextOf(sourceModel.c_str() + offset);
            if (operation == AppendFromString) {
                if (model.size() + added.size() > kMaxLength) break;
                string += text;
                model += added;
            } else {
                string = text;
                model = added;
            }
            break;
        }
        case Mid: {
            const int first = Position(input);
            const int count = Position(input);
            string = source.Mid(first, count);
            model = ModelMid(sourceModel, first, count);
            break;
        }
        case Right: {
            const int count = Position(input);
            string = source.Right(count);
            model = ModelRight(sourceModel, count);
            break;
        }
        case SpanExcluding: {
            const std::string stopBytes = TextOf(input.ConsumeRandomLengthString(4).c_str());
            string = source.SpanExcluding(stopBytes.c_str());
            model = ModelSpanExcluding(sourceModel, stopBytes);
            break;
        }
        case WriteBuffer:
            WriteThroughBuffer(input, string, model);
            break;
        case Compare: {
            const std::string text = input.ConsumeRandomLengthString(40);
            const bool same = model == TextOf(text.c_str());
            FUZZ_CHECK((string == text.c_str()) == same);
            FUZZ_CHECK((string != text.c_str()) == !same);
            break;
        }
        }
        for (int i = 0; i < kStrings; ++i) CheckSame(strings[i], models[i]);
    }
    return 0;
}
