#pragma once

#include "framework/MessageTable.h"

// Root of everything that has a message table: windows, dialogs and the
// application object.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    virtual const CMessageTable* GetMessageTable() const;
    static const CMessageTable* ClassMessageTable();

    // Climbs the tables from the most derived class to the root. Returns the
    // first handler's answer, or no value when no handler answered.
    MessageResult DispatchToTable(UINT message, WPARAM wParam, LPARAM lParam);
};
