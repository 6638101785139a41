// Firing the events of _ISorvaneEvents to advised sinks through a connection point.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleauto.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "CProxy_ISorvaneEvents.h"
#include "SORVANE.h"
#include "SorvaneLibrary.h"
#include "Uncounted.h"
#include "framework/ComObject.h"
#include "framework/ConnectionPoint.h"
#include "framework/Held.h"

using framework::Held;

namespace {

// An object with the events connection point, as the control has it.
class EventSource : public framework::ComClass<EventSource>, public framework::ConnectionPointContainer
{
public:
    static std::span<const framework::InterfaceEntry> Interfaces()
    {
        static constexpr framework::InterfaceEntry table[] = {
            framework::Interface<EventSource, IConnectionPointContainer>(IID_IConnectionPointContainer),
        };
        return table;
    }

    framework::ConnectionPoint events{*this, DIID__ISorvaneEvents};
    CProxy_ISorvaneEvents proxy{events};

protected:
    std::vector<framework::ConnectionPoint*> ConnectionPoints() override { return {&events}; }
};

struct Call
{
    DISPID event;
    std::vector<VARTYPE> types;
    std::vector<LONG> values;  // integer arguments; a reference argument's current value
};

// A sink that records each event; it may answer with an error, throw, or change the include flag.
class Sink final : public IDispatch
{
public:
    enum class Behaviour
    {
        Record,
        Fail,
        Throw
    };
    explicit Sink(Behaviour behaviour = Behaviour::Record, VARIANT_BOOL include = VARIANT_TRUE)
        : behaviour_(behaviour), include_(include)
    {
    }
    virtual ~Sink() = default;

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID__ISorvaneEvents)
        {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHOD_(ULONG, AddRef)() override { return ++references; }
    STDMETHOD_(ULONG, Release)() override { return --references; }
    STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
    STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHOD(Invoke)
    (DISPID event, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*, UINT*) override
    {
        Call call{event, {}, {}};
        EXPECT_EQ(flags, DISPATCH_METHOD);
        EXPECT_EQ(parameters->cNamedArgs, 0u);
        for (UINT i = 0; i < parameters->cArgs; ++i)
        {
            VARIANT& argument = parameters->rgvarg[i];
            call.types.push_back(V_VT(&argument));
            if (V_VT(&argument) == VT_I4)
                call.values.push_back(V_I4(&argument));
            else if (V_VT(&argument) == VT_I2)
                call.values.push_back(V_I2(&argument));
            else if (V_VT(&argument) == (VT_BOOL | VT_BYREF))
            {
                call.values.push_back(*V_BOOLREF(&argument));
                *V_BOOLREF(&argument) = include_;
            }
        }
        calls.push_back(call);
        if (behaviour_ == Behaviour::Throw)
            throw std::runtime_error("sink failed");
        return behaviour_ == Behaviour::Fail ? E_FAIL : S_OK;
    }

    ULONG references = 1;
    std::vector<Call> calls;

private:
    Behaviour behaviour_;
    VARIANT_BOOL include_;
};

class Events : public ::testing::Test
{
protected:
    void SetUp() override
    {
        framework::ComObject<EventSource>* created = nullptr;
        ASSERT_EQ(framework::ComObject<EventSource>::Create(&created), S_OK);
        source.share(created);
    }

    DWORD Advise(Sink& sink)
    {
        DWORD cookie = 0;
        EXPECT_EQ(source->events.Advise(&sink, &cookie), S_OK);
        return cookie;
    }

    ComApartment apartment;
    // The sinks outlive the source, which releases those still advised.
    Sink recording, failing{Sink::Behaviour::Fail}, throwing{Sink::Behaviour::Throw};
    Sink excluding{Sink::Behaviour::Record, VARIANT_FALSE}, including{Sink::Behaviour::Record, VARIANT_TRUE};
    Held<framework::ComObject<EventSource>> source;
};

struct EventCase
{
    const char* name;
    void (*fire)(CProxy_ISorvaneEvents&, IDispatch* object);
    Call expected;
};

const EventCase eventCases[] = {
    {"ObjectSelect",
     [](CProxy_ISorvaneEvents& p, IDispatch* o) { p.Fire_ObjectSelect(static_cast<IXeltObject*>(o)); },
     {2, {VT_DISPATCH}, {}}},
    {"BrowseFolderChange", [](CProxy_ISorvaneEvents& p, IDispatch*) { p.Fire_BrowseFolderChange(); }, {3, {}, {}}},
    {"StateChange", [](CProxy_ISorvaneEvents& p, IDispatch*) { p.Fire_StateChange(RenameState); }, {4, {VT_I4}, {3}}},
    {"KeyPress", [](CProxy_ISorvaneEvents& p, IDispatch*) { p.Fire_KeyPress(65); }, {-603, {VT_I2}, {65}}},
    {"Click", [](CProxy_ISorvaneEvents& p, IDispatch*) { p.Fire_Click(); }, {-600, {}, {}}},
    {"DblClick", [](CProxy_ISorvaneEvents& p, IDispatch*) { p.Fire_DblClick(); }, {-601, {}, {}}},
};

TEST_F(Events, EachEventReachesEverySinkInAdviseOrderEvenPastAFailingOne)
{
    for (const EventCase& c : eventCases)
    {
        SCOPED_TRACE(c.name);
        for (Sink* sink : {&failing, &throwing, &recording})
            sink->calls.clear();
        const DWORD cookies[] = {Advise(failing), Advise(throwing), Advise(recording)};
        Sink object;
        c.fire(source->proxy, &object);
        for (Sink* sink : {&failing, &throwing, &recording})
        {
            ASSERT_EQ(sink->calls.size(), 1u);
            EXPECT_EQ(sink->calls[0].event, c.expected.event);
            EXPECT_EQ(sink->calls[0].types, c.expected.types);
            EXPECT_EQ(sink->calls[0].values, c.expected.values);
        }
        for (DWORD cookie : cookies)
            EXPECT_EQ(source->events.Unadvise(cookie), S_OK);
        EXPECT_EQ(recording.references, 1u);
    }
}

TEST_F(Events, IncludeObjectSinksShareTheFlagAndTheLastOneDecides)
{
    Advise(excluding);
    Advise(including);
    Sink item;
    VARIANT_BOOL include = VARIANT_TRUE;
    source->proxy.Fire_IncludeObject(&item, &include);
    ASSERT_EQ(excluding.calls.size(), 1u);
    // Arguments arrive in reverse order: the flag first, the object second.
    EXPECT_EQ(excluding.calls[0].types, (std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_DISPATCH}));
    EXPECT_EQ(excluding.calls[0].values, std::vector<LONG>{VARIANT_TRUE});
    ASSERT_EQ(including.calls.size(), 1u);
    EXPECT_EQ(including.calls[0].values, std::vector<LONG>{VARIANT_FALSE});
    EXPECT_EQ(include, VARIANT_TRUE);
}

TEST_F(Events, UnadvisedSinksHearNothingMore)
{
    Sink& first = failing;
    Sink& second = recording;
    const DWORD cookie = Advise(first);
    Advise(second);
    EXPECT_EQ(source->events.Unadvise(cookie), S_OK);
    EXPECT_EQ(source->events.Unadvise(cookie), CONNECT_E_NOCONNECTION);
    source->proxy.Fire_Click();
    EXPECT_TRUE(first.calls.empty());
    EXPECT_EQ(second.calls.size(), 1u);
    EXPECT_EQ(first.references, 1u);
}

// An object that is no sink of the events.
class Stranger final : public Uncounted<IUnknown>
{
};

TEST_F(Events, ContainerAndPointAnswerContainers)
{
    Held<IConnectionPoint> point;
    ASSERT_EQ(source->FindConnectionPoint(DIID__ISorvaneEvents, point.out()), S_OK);
    EXPECT_EQ(point.get(), static_cast<IConnectionPoint*>(&source->events));
    IID iid = IID_NULL;
    EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, DIID__ISorvaneEvents);
    IConnectionPoint* none = reinterpret_cast<IConnectionPoint*>(1);
    EXPECT_EQ(source->FindConnectionPoint(IID_IPropertyNotifySink, &none), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(none, nullptr);

    Stranger stranger;
    DWORD cookie = 1;
    EXPECT_EQ(source->events.Advise(&stranger, &cookie), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(source->events.Advise(nullptr, &cookie), E_POINTER);

    Held<IEnumConnectionPoints> points;
    ASSERT_EQ(source->EnumConnectionPoints(points.out()), S_OK);
    IConnectionPoint* found[2] = {};
    ULONG fetched = 0;
    EXPECT_EQ(points->Next(2, found, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    const Held<IConnectionPoint> first(found[0]);
    EXPECT_EQ(first.get(), static_cast<IConnectionPoint*>(&source->events));

    Sink& sink = recording;
    Advise(sink);
    Held<IEnumConnections> connections;
    ASSERT_EQ(source->events.EnumConnections(connections.out()), S_OK);
    CONNECTDATA connection = {};
    ASSERT_EQ(connections->Next(1, &connection, nullptr), S_OK);
    const Held<IUnknown> connected(connection.pUnk);
    EXPECT_EQ(connected.get(), static_cast<IUnknown*>(static_cast<IDispatch*>(&sink)));
}

}  // namespace
