#include "ui/headless/code_page_table.h"

namespace ui::headless {

extern const CodePageTable kCodePage932, kCodePage936, kCodePage949, kCodePage950, kCodePage1250,
    kCodePage1251, kCodePage1252;

const CodePageTable* FindCodePageTable(unsigned number) {
    for (const CodePageTable* table : {&kCodePage932, &kCodePage936, &kCodePage949, &kCodePage950,
                                       &kCodePage1250, &kCodePage1251, &kCodePage1252}) {
        if (table->number == number) {
            return table;
        }
    }
    return nullptr;
}

}  // namespace ui::headless
