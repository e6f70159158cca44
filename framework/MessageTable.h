#pragma once

#include <windows.h>

#include <optional>

class CCmdTarget;

// A handler either answers the message (a result) or declines it (no value),
// which lets the lookup climb to the base class's table and finally to the
// default processing.
using MessageResult = std::optional<LRESULT>;
using MessageHandler = MessageResult (CCmdTarget::*)(WPARAM, LPARAM);

struct CMessageEntry {
    UINT message;          // 0 ends a table
    UINT lastMessage;      // a range of messages ends here; equal to message otherwise
    bool isCommand;        // WM_COMMAND entry matched on notification code and id range
    UINT code;             // notification code of a command entry
    UINT firstId;          // id range of a command entry, inclusive
    UINT lastId;
    MessageHandler handler;

    bool Matches(UINT msg, WPARAM wParam) const
    {
        if (msg < message || msg > lastMessage)
            return false;
        if (!isCommand)
            return true;
        const UINT id = LOWORD(wParam);
        return HIWORD(wParam) == code && id >= firstId && id <= lastId;
    }
};

struct CMessageTable {
    const CMessageTable* base; // the base class's table, or none at the root
    const CMessageEntry* entries;
};

// Declares the table of a class; the class must derive from CCmdTarget.
#define DECLARE_MESSAGE_TABLE()                                   \
public:                                                           \
    const CMessageTable* GetMessageTable() const override;        \
    static const CMessageTable* ClassMessageTable();

// Defines the table: entries between BEGIN and END, base table linked.
#define BEGIN_MESSAGE_TABLE(theClass, baseClass)                  \
    const CMessageTable* theClass::GetMessageTable() const        \
    {                                                             \
        return ClassMessageTable();                               \
    }                                                             \
    const CMessageTable* theClass::ClassMessageTable()            \
    {                                                             \
        using ThisClass [[maybe_unused]] = theClass;                              \
        using BaseClass = baseClass;                              \
        static const CMessageEntry entries[] = {

#define END_MESSAGE_TABLE()                                       \
            { 0, 0, false, 0, 0, 0, nullptr }                        \
        };                                                        \
        static const CMessageTable table{ BaseClass::ClassMessageTable(), entries }; \
        return &table;                                            \
    }

#define ON_MESSAGE(msg, handler) \
    { msg, msg, false, 0, 0, 0, static_cast<MessageHandler>(&ThisClass::handler) },

#define ON_MESSAGE_RANGE(firstMsg, lastMsg, handler) \
    { firstMsg, lastMsg, false, 0, 0, 0, static_cast<MessageHandler>(&ThisClass::handler) },

#define ON_COMMAND_CODE(id, code, handler) \
    { WM_COMMAND, WM_COMMAND, true, code, id, id, static_cast<MessageHandler>(&ThisClass::handler) },

#define ON_COMMAND_CODE_RANGE(firstId, lastId, code, handler) \
    { WM_COMMAND, WM_COMMAND, true, code, firstId, lastId, static_cast<MessageHandler>(&ThisClass::handler) },
