// What the control answers its container besides ISorvane: interfaces, safety, class
// information, property pages and categories.
#include <gtest/gtest.h>

#include <windows.h>
#include <objsafe.h>
#include <olectl.h>

#include <initguid.h>
#include <msstkppg.h>

#include <string>

#include "ControlHost.h"
#include "framework/Categories.h"
#include "framework/CategorizeProperties.h"

namespace {

using ControlInterfaces = ControlTest;

TEST_F(ControlInterfaces, AnswersEveryInterfaceOfAnOleControl)
{
    const IID* answered[] = {
        &IID_ISorvane,
        &IID_IDispatch,
        &IID_IViewObjectEx,
        &IID_IViewObject2,
        &IID_IViewObject,
        &IID_IOleInPlaceObjectWindowless,
        &IID_IOleInPlaceObject,
        &IID_IOleWindow,
        &IID_IOleInPlaceActiveObject,
        &IID_IOleControl,
        &IID_IOleObject,
        &IID_IPersistStreamInit,
        &IID_IPersist,
        &IID_IConnectionPointContainer,
        &IID_ISpecifyPropertyPages,
        &IID_IQuickActivate,
        &IID_IPersistStorage,
        &IID_IDataObject,
        &IID_IProvideClassInfo,
        &IID_IProvideClassInfo2,
        &IID_ICategorizeProperties,
        &IID_IObjectSafety,
    };
    Held<IUnknown> identity(Query<IUnknown>(IID_IUnknown));
    for (const IID* iid : answered)
    {
        Held<IUnknown> answer(Query<IUnknown>(*iid));
        ASSERT_TRUE(answer) << GuidText(*iid).c_str();
        Held<IUnknown> back;
        answer->QueryInterface(IID_IUnknown, back.outVoid());
        EXPECT_EQ(identity.get(), back.get()) << GuidText(*iid).c_str();
    }
    EXPECT_EQ(nullptr, Held<IUnknown>(Query<IUnknown>(IID_IPersistPropertyBag)).get());
}

TEST_F(ControlInterfaces, ConnectionPointsAreNotifyThenEvents)
{
    Held<IConnectionPointContainer> points(Query<IConnectionPointContainer>(IID_IConnectionPointContainer));
    Held<IEnumConnectionPoints> enumerator;
    ASSERT_EQ(S_OK, points->EnumConnectionPoints(enumerator.out()));
    IConnectionPoint* found[3] = {};
    ULONG count = 0;
    enumerator->Next(3, found, &count);
    ASSERT_EQ(2u, count);
    IID iids[2];
    for (ULONG index = 0; index < count; ++index)
        Held<IConnectionPoint>(found[index])->GetConnectionInterface(&iids[index]);
    EXPECT_EQ(IID_IPropertyNotifySink, iids[0]);
    EXPECT_EQ(DIID__ISorvaneEvents, iids[1]);
}

TEST_F(ControlInterfaces, SafeForScriptingOnItsOwnInterfacesOnly)
{
    Held<IObjectSafety> safety(Query<IObjectSafety>(IID_IObjectSafety));
    DWORD supported = 0, enabled = 0;
    EXPECT_EQ(S_OK, safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled));
    EXPECT_EQ(3u, supported);
    EXPECT_EQ(3u, enabled);
    EXPECT_EQ(S_OK, safety->SetInterfaceSafetyOptions(IID_IPersistStreamInit, 3, 3));
    EXPECT_EQ(E_NOINTERFACE, safety->GetInterfaceSafetyOptions(IID_IClassFactory, &supported, &enabled));
    EXPECT_EQ(0u, supported);
    EXPECT_EQ(E_NOINTERFACE, safety->SetInterfaceSafetyOptions(IID_IClassFactory, 3, 3));
}

TEST_F(ControlInterfaces, NamesTheFontPageThenFolderFlags)
{
    Held<ISpecifyPropertyPages> specify(Query<ISpecifyPropertyPages>(IID_ISpecifyPropertyPages));
    CAUUID pages = {};
    ASSERT_EQ(S_OK, specify->GetPages(&pages));
    ASSERT_EQ(2u, pages.cElems);
    EXPECT_EQ(CLSID_StockFontPage, pages.pElems[0]);
    EXPECT_EQ(CLSID_FolderFlags, pages.pElems[1]);
    CoTaskMemFree(pages.pElems);
}

TEST_F(ControlInterfaces, ClassInformationNamesTheCoclassAndItsEvents)
{
    Held<IProvideClassInfo2> info(Query<IProvideClassInfo2>(IID_IProvideClassInfo2));
    GUID source = GUID_NULL;
    ASSERT_EQ(S_OK, info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source));
    EXPECT_EQ(DIID__ISorvaneEvents, source);
    Held<ITypeInfo> coclass;
    ASSERT_EQ(S_OK, info->GetClassInfo(coclass.out()));
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, coclass->GetTypeAttr(&attributes));
    EXPECT_EQ(CLSID_Sorvane, attributes->guid);
    EXPECT_EQ(TKIND_COCLASS, attributes->typekind);
    coclass->ReleaseTypeAttr(attributes);
}

TEST_F(ControlInterfaces, ViewIsOpaqueAndDrawsNothing)
{
    Held<IViewObjectEx> view(Query<IViewObjectEx>(IID_IViewObjectEx));
    DWORD status = 0;
    ASSERT_EQ(S_OK, view->GetViewStatus(&status));
    EXPECT_EQ(static_cast<DWORD>(VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND), status);
    HDC dc = CreateCompatibleDC(nullptr);
    const RECTL bounds = {0, 0, 50, 50};
    EXPECT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0));
    DeleteDC(dc);
    SIZEL natural = {};
    DVEXTENTINFO extent = {sizeof extent, DVEXTENT_CONTENT, {0, 0}};
    ASSERT_EQ(S_OK, view->GetNaturalExtent(DVASPECT_CONTENT, -1, nullptr, nullptr, &extent, &natural));
    EXPECT_EQ(5080, natural.cx);
    EXPECT_EQ(5080, natural.cy);
}

TEST_F(ControlInterfaces, QuickActivationTakesSiteAndSinks)
{
    Held<IQuickActivate> quick(Query<IQuickActivate>(IID_IQuickActivate));
    EventRecorder quickEvents;
    PropertyNotifyRecorder quickNotifications;
    QACONTAINER given = {};
    given.cbSize = sizeof given;
    given.pClientSite = site.get();
    given.pUnkEventSink = &quickEvents;
    given.pPropertyNotifySink = &quickNotifications;
    QACONTROL answer = {};
    answer.cbSize = sizeof answer;
    ASSERT_EQ(S_OK, quick->QuickActivate(&given, &answer));
    EXPECT_NE(0u, answer.dwEventCookie);
    EXPECT_NE(0u, answer.dwPropNotifyCookie);
    EXPECT_EQ(static_cast<DWORD>(VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND), answer.dwViewStatus);
    Held<IOleObject> object(Query<IOleObject>(IID_IOleObject));
    Held<IOleClientSite> kept;
    object->GetClientSite(kept.out());
    EXPECT_EQ(static_cast<IOleClientSite*>(site.get()), kept.get());

    control->put_Font(nullptr);
    EXPECT_EQ(std::vector<DISPID>{DISPID_FONT}, quickNotifications.changed);
    QACONTAINER tooSmall = given;
    tooSmall.cbSize = 8;
    EXPECT_EQ(E_INVALIDARG, quick->QuickActivate(&tooSmall, &answer));
    object->SetClientSite(nullptr);

    // The recorders go before the control does.
    Held<IConnectionPointContainer> points(Query<IConnectionPointContainer>(IID_IConnectionPointContainer));
    Held<IConnectionPoint> eventsPoint, notifyPoint;
    points->FindConnectionPoint(DIID__ISorvaneEvents, eventsPoint.out());
    points->FindConnectionPoint(IID_IPropertyNotifySink, notifyPoint.out());
    EXPECT_EQ(S_OK, eventsPoint->Unadvise(answer.dwEventCookie));
    EXPECT_EQ(S_OK, notifyPoint->Unadvise(answer.dwPropNotifyCookie));
}

TEST_F(ControlInterfaces, FontIsTheOnlyCategorizedProperty)
{
    Held<ICategorizeProperties> categorize(Query<ICategorizeProperties>(IID_ICategorizeProperties));
    PROPCAT category = 0;
    EXPECT_EQ(S_OK, categorize->MapPropertyToCategory(DISPID_FONT, &category));
    EXPECT_EQ(-3, category);
    EXPECT_EQ(E_FAIL, categorize->MapPropertyToCategory(1, &category));
    EXPECT_EQ(E_POINTER, categorize->MapPropertyToCategory(DISPID_FONT, nullptr));

    BSTR name = nullptr;
    EXPECT_EQ(S_OK, categorize->GetCategoryName(-3, 0x409, &name));
    EXPECT_EQ(std::wstring(L"Font"), std::wstring(name, SysStringLen(name)));
    SysFreeString(name);
    name = reinterpret_cast<BSTR>(1);
    EXPECT_EQ(S_OK, categorize->GetCategoryName(1, 0x409, &name));
    EXPECT_EQ(nullptr, name);
}

TEST(Categories, StandardNamesNewIdsAndOverwrites)
{
    framework::Categories categories;
    const char* standard[] = {"Nil",  "Misc", "Font", "Position", "Appearance", "Behavior",
                              "Data", "List", "Text", "Scale",    "DDE"};
    for (LONG index = 0; index < 11; ++index)
    {
        EXPECT_EQ(-1 - index, categories.IdOf(standard[index]));
        ASSERT_NE(nullptr, categories.NameOf(-1 - index));
        EXPECT_EQ(standard[index], *categories.NameOf(-1 - index));
    }
    EXPECT_EQ(nullptr, categories.NameOf(1));
    EXPECT_EQ(1, categories.IdOf("Paths"));  // an unknown name is added
    EXPECT_EQ(2, categories.AddNew("Views"));
    EXPECT_EQ(1, categories.IdOf("Paths"));
    EXPECT_EQ(7, categories.Add("Paths", 7));
    EXPECT_EQ(7, categories.IdOf("Paths"));
    EXPECT_EQ(-3, categories.Add("", -3));
    ASSERT_NE(nullptr, categories.NameOf(-3));
    EXPECT_EQ("", *categories.NameOf(-3));
}

}  // namespace
