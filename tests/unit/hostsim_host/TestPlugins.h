// What the test plug-ins saw of the host, read by the tests through one more export of each plug-in.
#pragma once

#include <cstdint>

struct TestServerState {
    int32_t ModulesAlive = 0;
    int32_t IdleCalls = 0;
    bool FactoryGotClient = false;
    char LastCommand[256] = "";
    char LastResult[256] = "";
};
using TestServerStateProc = TestServerState* (*)();
constexpr const char* TestServerStateExport = "TestServer_State";

struct TestRouterState {
    int32_t Created = 0;
    int32_t Destroyed = 0;
    int32_t OptionsShown = 0;
    uint32_t Wire = 0;
    int32_t Points[4] = {};
};
using TestRouterStateProc = TestRouterState* (*)();
constexpr const char* TestRouterStateExport = "TestRouter_State";
