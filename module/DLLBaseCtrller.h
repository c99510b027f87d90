// The controller contract between the ERP shell and a program module.
//
// A host includes this header with nothing but platform/Variant.h. It loads
// the module, calls the exported GetController, fills HostObject and OnEvent,
// and then drives everything through the virtual operations below; it reads
// ResultCode and ResultValue after event EV_FORM_DESTROYED.
//
// Binding: the shell and the module share this class layout. Fields are
// declared in their fixed order; the 18 virtual operations are declared in
// slot order, so with the C++ ABI of this platform (Itanium) slot n is the
// n-th entry of the virtual table. The virtual destructor is declared after
// the 18 slots so that it does not shift them. Neither order may change.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Variant.h"

namespace kw {

class TObject;
class TDLLBaseController;

// Event codes raised to the shell through OnEvent; Sender is the controller.
enum : int32_t {
    EV_FORM_CREATED = 0x100,    // 256: CreateForm has just created the form
    EV_FORM_SHOWN = 0x110,      // 272: the form's OnShow fired
    EV_FORM_HIDDEN = 0x120,     // 288: the form's OnHide fired
    EV_FORM_DESTROYED = 0x130,  // 304: the form is being destroyed; the result is set
    EV_SPARE = 0x140,           // 320: only when slot 15 is called
};

// The event callback: a code pointer and the data pointer it is called with,
// as a method pointer of the shell. May be unassigned (Code null).
struct TDLLEventHandler {
    void (*Code)(void* Data, int32_t EventCode, TObject* Sender) = nullptr;
    void* Data = nullptr;

    bool Assigned() const { return Code != nullptr; }
};

// Windows handle of a form, 0 when none.
using TDLLWindowHandle = uintptr_t;

class TDLLBaseController {
public:
    // Fields, in contract order.
    Variant HostObject;        // the shell's automation object, handed to the form
    int32_t ResultCode = 0;    // the form's result code at destruction
    Variant ResultValue;       // the form's result value at destruction
    TDLLEventHandler OnEvent;  // receives the event codes above

    TDLLBaseController() = default;
    TDLLBaseController(const TDLLBaseController&) = delete;
    TDLLBaseController& operator=(const TDLLBaseController&) = delete;

    // Slots 0-10: abstract here, implemented by the program's controller.
    virtual void GetVersion(std::u16string& Text) = 0;                        // 0
    virtual int32_t GetVisible() = 0;                                         // 1: -1 true, 0 false
    virtual void SetVisible(int16_t Value) = 0;                               // 2
    virtual TDLLWindowHandle GetWindowHandle() = 0;                           // 3
    virtual int32_t CreateForm(const Variant& Params) = 0;                    // 4: 0 ok, -1 failed
    virtual int32_t SendParams(const Variant& Params) = 0;                    // 5
    virtual int32_t SendNotice(int32_t Kind, const Variant& Data) = 0;        // 6
    virtual void ShowModalForm(Variant& ModalResult) = 0;                     // 7
    virtual void FreeForm() = 0;                                              // 8
    virtual int32_t GetFormInfo(Variant& Info) = 0;                           // 9
    virtual bool IsFormFreed() = 0;                                           // 10

    // Slots 11-17: the event plumbing, with base behaviour.
    virtual void DoFormCreated() { DoEvent(EV_FORM_CREATED, selfAsSender()); }  // 11
    virtual void DoFormShow(TObject* Sender) { DoEvent(EV_FORM_SHOWN, selfAsSender()); }       // 12
    virtual void DoFormHide(TObject* Sender) { DoEvent(EV_FORM_HIDDEN, selfAsSender()); }      // 13
    virtual void DoFormDestroy(TObject* Sender) { DoEvent(EV_FORM_DESTROYED, selfAsSender()); }  // 14
    virtual void DoSpareEvent() { DoEvent(EV_SPARE, selfAsSender()); }          // 15
    virtual void DoEvent(int32_t Code, TObject* Sender) {                        // 16
        if (OnEvent.Assigned()) OnEvent.Code(OnEvent.Data, Code, Sender);
    }
    virtual void Reserved() {}  // 17

    virtual ~TDLLBaseController() = default;

protected:
    // The controller is the Sender of every event. It is not a class-library
    // object, so the shell receives it as an opaque pointer and compares it
    // with the controller it holds.
    TObject* selfAsSender() { return reinterpret_cast<TObject*>(this); }
};

// The module's only export: a new controller, owned and freed by the shell.
// Raises when the module registered no controller class.
extern "C" TDLLBaseController* GetController();
using TGetControllerFunc = TDLLBaseController* (*)();

}  // namespace kw
