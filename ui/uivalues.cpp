#include "ui/uivalues.h"

#include "common/format.h"

std::uint32_t UITextValueHandler(void* self, Message* msg)
{
    auto* text = static_cast<UITextValue*>(self);
    switch (msg->Id) {
    case MSG_TEXT_GET:
        FormatText(MsgParamPtr<char>(msg), MAX_UI_TEXT, "%s", text->Text);
        return 1;
    case MSG_TEXT_SET:
        FormatText(text->Text, text->Width + 1, "%s", MsgParamPtr<const char>(msg));
        return 1;
    case MSG_FIELD_WIDTH:
        msg->Param = text->Width;
        return 1;
    case MSG_IS_EDITABLE:
        msg->Param = text->Editable ? 1 : 0;
        return 1;
    default:
        return UITextSettingHandler(self, msg);
    }
}

std::uint32_t UICellGridHandler(void* self, Message* msg)
{
    auto* grid = static_cast<UICellGrid*>(self);
    switch (msg->Id) {
    case MSG_CELL_GET:
        UICellGetByte(&grid->Cells[0][0], MAX_MATRIX_ROWS, MAX_MATRIX_COLS, MsgParamPtr<UIMatrixCell>(msg));
        return 1;
    case MSG_CELL_SET:
        UICellSetByte(&grid->Cells[0][0], MAX_MATRIX_ROWS, MAX_MATRIX_COLS, MsgParamPtr<UIMatrixCell>(msg));
        return 1;
    default:
        return UIEnumSettingHandler(self, msg);
    }
}
