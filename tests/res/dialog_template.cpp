#include "dialog_template.h"

#include <cstring>

namespace marlow::test {
namespace {

class TemplateCursor {
public:
    TemplateCursor(const void* pData, std::size_t size)
        : m_p(static_cast<const unsigned char*>(pData)), m_size(size) {}

    bool Failed() const { return m_failed; }

    template <typename T>
    T Read() {
        T value{};
        if (m_offset + sizeof(T) > m_size) {
            m_failed = true;
            return value;
        }
        std::memcpy(&value, m_p + m_offset, sizeof(T));
        m_offset += sizeof(T);
        return value;
    }

    std::wstring ReadString() {
        std::wstring text;
        for (wchar_t c = Read<std::uint16_t>(); c != 0 && !m_failed; c = Read<std::uint16_t>()) {
            text.push_back(c);
        }
        return text;
    }

    // A name or ordinal: 0 for none, 0xFFFF and an ordinal, or a string.
    std::wstring ReadNameOrOrdinal() {
        std::uint16_t first = Read<std::uint16_t>();
        if (first == 0) return std::wstring();
        if (first == 0xFFFF) return OrdinalName(Read<std::uint16_t>());
        std::wstring text(1, static_cast<wchar_t>(first));
        return text + ReadString();
    }

    void AlignTo(std::size_t alignment) {
        m_offset = (m_offset + alignment - 1) / alignment * alignment;
    }
    void Skip(std::size_t bytes) { m_offset += bytes; }

private:
    static std::wstring OrdinalName(std::uint16_t ordinal) {
        switch (ordinal) {
        case 0x0080:
            return L"Button";
        case 0x0081:
            return L"Edit";
        case 0x0082:
            return L"Static";
        case 0x0083:
            return L"ListBox";
        case 0x0084:
            return L"ScrollBar";
        case 0x0085:
            return L"ComboBox";
        default:
            return L"#" + std::to_wstring(ordinal);
        }
    }

    const unsigned char* m_p;
    std::size_t m_size;
    std::size_t m_offset = 0;
    bool m_failed = false;
};

DialogControl ReadControl(TemplateCursor& cursor) {
    DialogControl control;
    cursor.AlignTo(4);
    cursor.Read<std::uint32_t>();  // help id
    control.exStyle = cursor.Read<std::uint32_t>();
    control.style = cursor.Read<std::uint32_t>();
    control.x = cursor.Read<short>();
    control.y = cursor.Read<short>();
    control.cx = cursor.Read<short>();
    control.cy = cursor.Read<short>();
    control.id = cursor.Read<std::int32_t>();
    control.className = cursor.ReadNameOrOrdinal();
    control.text = cursor.ReadNameOrOrdinal();
    cursor.Skip(cursor.Read<std::uint16_t>());  // creation data
    return control;
}

}  // namespace

DialogTemplate ReadDialogTemplate(const void* pData, std::size_t size) {
    DialogTemplate dialog;
    TemplateCursor cursor(pData, size);
    std::uint16_t version = cursor.Read<std::uint16_t>();
    std::uint16_t signature = cursor.Read<std::uint16_t>();
    if (version != 1 || signature != 0xFFFF) return dialog;
    cursor.Read<std::uint32_t>();  // help id
    cursor.Read<std::uint32_t>();  // extended style
    dialog.style = cursor.Read<std::uint32_t>();
    std::uint16_t count = cursor.Read<std::uint16_t>();
    dialog.x = cursor.Read<short>();
    dialog.y = cursor.Read<short>();
    dialog.cx = cursor.Read<short>();
    dialog.cy = cursor.Read<short>();
    cursor.ReadNameOrOrdinal();  // menu
    cursor.ReadNameOrOrdinal();  // window class
    dialog.caption = cursor.ReadString();
    if (dialog.style & 0x40 /* DS_SETFONT */) {
        dialog.pointSize = cursor.Read<std::uint16_t>();
        dialog.weight = cursor.Read<std::uint16_t>();
        dialog.italic = cursor.Read<std::uint8_t>();
        dialog.charset = cursor.Read<std::uint8_t>();
        dialog.typeface = cursor.ReadString();
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        dialog.controls.push_back(ReadControl(cursor));
    }
    dialog.bExtended = !cursor.Failed();
    return dialog;
}

}  // namespace marlow::test
