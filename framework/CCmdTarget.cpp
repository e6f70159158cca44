#include "framework/CCmdTarget.h"

const CMessageTable* CCmdTarget::GetMessageTable() const
{
    return ClassMessageTable();
}

const CMessageTable* CCmdTarget::ClassMessageTable()
{
    static const CMessageEntry entries[] = { { 0, 0, false, 0, 0, 0, nullptr } };
    static const CMessageTable table{ nullptr, entries };
    return &table;
}

MessageResult CCmdTarget::DispatchToTable(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const CMessageTable* table = GetMessageTable(); table; table = table->base) {
        for (const CMessageEntry* entry = table->entries; entry->message != 0; ++entry) {
            if (!entry->Matches(message, wParam))
                continue;
            if (MessageResult result = (this->*entry->handler)(wParam, lParam))
                return result;
        }
    }
    return std::nullopt;
}
