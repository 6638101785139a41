#pragma once
// The control: shows one folder of the shell namespace inside its container, through the
// shell's own view hosted by CSorvaneBrowser.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <span>

#include "CProxy_ISorvaneEvents.h"
#include "SORVANE.h"
#include "SorvaneBrowserOwner.h"
#include "framework/CategorizeProperties.h"
#include "framework/ComObject.h"
#include "framework/ConnectionPoint.h"
#include "framework/ControlBase.h"
#include "framework/DataObject.h"
#include "framework/Dispatch.h"
#include "framework/Held.h"
#include "framework/InPlaceActiveObject.h"
#include "framework/InPlaceObject.h"
#include "framework/ObjectSafety.h"
#include "framework/OleControl.h"
#include "framework/OleObject.h"
#include "framework/PersistStream.h"
#include "framework/PropertyMap.h"
#include "framework/ProvideClassInfo.h"
#include "framework/QuickActivation.h"
#include "framework/SpecifyPropertyPages.h"
#include "framework/ViewObject.h"
#include "resource.h"

class CSorvaneBrowser;

class CSorvane : public framework::ComClass<CSorvane>,
                 public framework::Dispatch<ISorvane, &IID_ISorvane>,
                 public framework::ControlBase,
                 public framework::ViewObject,
                 public framework::InPlaceObject,
                 public framework::InPlaceActiveObject,
                 public framework::OleControl,
                 public framework::OleObject,
                 public framework::PersistStreamInit,
                 public framework::ConnectionPointContainer,
                 public framework::SpecifyPropertyPages,
                 public framework::QuickActivation,
                 public framework::PersistStorage,
                 public framework::DataObject,
                 public framework::ProvideClassInfo<&CLSID_Sorvane, &DIID__ISorvaneEvents>,
                 public framework::ICategorizePropertiesImpl,
                 public framework::ObjectSafety,
                 public SorvaneBrowserOwner
{
public:
    static constexpr UINT registryScript = IDR_SORVANE;
    static std::span<const framework::InterfaceEntry> Interfaces();
    CSorvane();
    ~CSorvane() override;
    HRESULT FinalConstruct();

    // ISorvane
    STDMETHOD(get_ViewMode)(ViewModeType* pVal) override;
    // Rebuilds the view even for the same mode.
    STDMETHOD(put_ViewMode)(ViewModeType value) override;
    STDMETHOD(ModifyFolderFlags)(FolderFlagsEnum dwAdd, FolderFlagsEnum dwRemove) override;
    STDMETHOD(get_ViewFolderFlags)(LONG* pVal) override;
    // A number that names no folder still gives a folder object, without a list.
    STDMETHOD(get_SpecialFolder)(SpecialFolderPathConstants anSpecialFolder, IXeltFolder** pVal) override;
    STDMETHOD(get_BrowseFolder)(VARIANT* pVal) override;
    // A byte array of an item ID list, or an object whose ID property is one.
    STDMETHOD(put_BrowseFolder)(VARIANT value) override;
    STDMETHOD(get_IncludeObjectType)(IncludeObjectEnum* pVal) override;
    STDMETHOD(put_IncludeObjectType)(IncludeObjectEnum value) override;
    STDMETHOD(UpOneLevel)() override;
    STDMETHOD(get_FilePattern)(BSTR* pVal) override;
    STDMETHOD(put_FilePattern)(BSTR value) override;
    STDMETHOD(get_MatchPattern)(BSTR strPattern, BSTR strWord, VARIANT_BOOL* pVal) override;
    STDMETHOD(get_ShellFolder)(VARIANT anPath, IXeltFolder** pVal) override;
    STDMETHOD(get__EnumObject)(IXeltObject** pVal) override;
    STDMETHOD(get_Enabled)(VARIANT_BOOL* pVal) override;
    // Sets the window style only in run mode.
    STDMETHOD(put_Enabled)(VARIANT_BOOL value) override;
    STDMETHOD(get_Version)(BSTR* pVal) override;
    STDMETHOD(put_Version)(BSTR value) override;
    STDMETHOD(get_Objects)(IXeltObjects** pVal) override;
    STDMETHOD(get_hWnd)(LONG* phwnd) override;
    STDMETHOD(Refresh)() override;
    // Keeps a clone of the font; asks the property-notify sinks first.
    STDMETHOD(put_Font)(IFontDisp* value) override;
    STDMETHOD(get_Font)(IFontDisp** ppFont) override;
    // Keeps the font object itself.
    STDMETHOD(putref_Font)(IFontDisp* value) override;

    // The view is closed before the control.
    STDMETHOD(Close)(DWORD saveOption) override;
    // The view window follows the new size.
    STDMETHOD(SetObjectRects)(LPCRECT position, LPCRECT clip) override;
    // The arrow keys stay with the view's list.
    STDMETHOD(TranslateAccelerator)(LPMSG message) override;

    // Rebuilds the view of the folder shown; keep takes the view's own settings.
    void RefreshView(bool keep);
    // True unless the container's ambient UserMode is true.
    bool IsDesignMode();
    HRESULT FireViewChange() override;

    // SorvaneBrowserOwner
    HWND OwnerWindow() override { return Window(); }
    FOLDERSETTINGS NewViewSettings() override;
    BSTR StoredFilePattern() override { return filePattern_; }
    IXeltFolder* GetCurrentFolder() override { return currentFolder_.get(); }
    void Fire_ObjectSelect(IXeltObject* newObject) override { events_.Fire_ObjectSelect(newObject); }
    void Fire_StateChange(StatesEnum newState) override { events_.Fire_StateChange(newState); }
    void Fire_IncludeObject(IDispatch* anObject, VARIANT_BOOL* pbInclude) override
    {
        events_.Fire_IncludeObject(anObject, pbInclude);
    }

protected:
    // framework
    framework::ControlBase& Control() override { return *this; }
    IUnknown* ControlUnknown() override { return static_cast<ISorvane*>(this); }
    const CLSID& ControlClassId() override { return CLSID_Sorvane; }
    const IID& DefaultEventInterface() override { return DIID__ISorvaneEvents; }
    framework::ConnectionPoint& PropertyNotifyPoint() override { return propertyNotifyPoint_; }
    std::vector<framework::ConnectionPoint*> ConnectionPoints() override;
    std::span<const framework::PropertyMapEntry> PropertyMap() override;
    IPersistStreamInit& Stream() override { return *this; }
    HRESULT SaveAfterMap(IStream* stream) override;
    void LoadAfterMap(IStream* stream) override;
    ATOM ControlWindowClass() override;
    LRESULT ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    HRESULT OnDraw(HDC, const RECT&) override { return S_OK; }
    HRESULT DrawView(HDC, const RECT&) override { return S_OK; }
    DWORD ViewStatus() override { return VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND; }
    HRESULT ShowPropertyPages(HWND parent) override;

private:
    // A new folder object opened on path (SpecialFolder, ShellFolder).
    HRESULT OpenFolder(const VARIANT& path, IXeltFolder** out);
    HRESULT SetFont(IFontDisp* font, bool clone);
    LRESULT OnCreate();
    void OnSetFocus();
    void OnBrowseFolderChange();

    LONG viewMode_ = Details;
    LONG folderFlags_ = SingleSel;
    BSTR filePattern_ = nullptr;
    framework::Held<IXeltObjects> items_;
    VARIANT_BOOL enabled_ = VARIANT_TRUE;
    LONG eventReentry_ = 0;
    framework::Held<CSorvaneBrowser> browser_;
    framework::Held<IXeltFolder> currentFolder_;

    framework::ConnectionPoint propertyNotifyPoint_{*this, IID_IPropertyNotifySink};
    framework::ConnectionPoint eventsPoint_{*this, DIID__ISorvaneEvents};
    CProxy_ISorvaneEvents events_{eventsPoint_};
};
