// The adapter setting through which the text editor edits a plain char buffer of the caller's.
#include "common/debug.h"
#include "common/format.h"
#include "uicore/uicontrols.h"
#include "uicore/uipoweron.h"
#include "uicore/uitextedit.h"

namespace {

bool NameEditReady()
{
    return ASSERT(NameEditPtr) && ASSERT(NameEditBufLen > 1);
}

std::uint32_t NameEditGet(char* text)
{
    if (NameEditReady())
        FormatText(text, MAX_UI_TEXT, "%s", NameEditPtr);
    return 1;
}

// At most NameEditBufLen - 1 characters, always terminated.
std::uint32_t NameEditSet(const char* text)
{
    if (NameEditReady())
        FormatText(NameEditPtr, NameEditBufLen, "%s", text);
    return 1;
}

std::uint32_t NameEditWidth(Message* msg)
{
    NameEditReady();
    msg->Param = NameEditBufLen > 0 ? NameEditBufLen - 1 : 0;
    return 1;
}

std::uint32_t NameEditHandler(void*, Message* msg)
{
    switch (msg->Id) {
    case MSG_TEXT_GET:
        return NameEditGet(MsgParamPtr<char>(msg));
    case MSG_TEXT_SET:
        return NameEditSet(MsgParamPtr<const char>(msg));
    case MSG_FIELD_WIDTH:
        return NameEditWidth(msg);
    default:
        return 0;
    }
}

}  // namespace

UISetting NameEdit = {.Handler = NameEditHandler};
char* NameEditPtr;
std::uint32_t NameEditBufLen;

const UIKeepsPowerOn KeptNameEdit{NameEdit, NameEditPtr, NameEditBufLen};

void UITextEditBuffer(char* buf, std::uint32_t nbuf)
{
    if (!ASSERT(buf) || !ASSERT(nbuf > 0))
        return;
    NameEditPtr = buf;
    NameEditBufLen = nbuf;
    UITextEditOpen(&NameEdit);
}
