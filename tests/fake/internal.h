// What the parts of the double share: the simulated world and the log's formatting.
#pragma once

#include "tests/fake/fake.h"

#include <deque>
#include <map>
#include <set>

namespace fake::detail {

enum Kind { kWindow = 1, kDC, kRC, kFont, kIcon, kCursor };

struct Window {
    WNDPROC proc = nullptr;
    HDC dc = NULL;
    bool alive = true;
};

struct Rule {
    bool always = false;
    std::set<int> nths;
};

struct World {
    Log log;
    std::map<std::string, int> calls;
    std::map<std::string, Rule> rules;
    std::map<const void *, std::string> labels;
    int made[8] = {};

    std::map<std::string, WNDPROC> classes;
    int atoms = 0;
    std::map<HWND, Window> windows;
    std::vector<HWND> created; // in order of creation
    HWND focus = NULL;
    std::map<std::string, const void *> stock; // LoadIconA/LoadCursorA, one handle per id
    int cursor = 0;
    std::string display = "desktop";

    std::map<HDC, int> formats;
    std::map<HDC, HGDIOBJ> selected;
    std::set<HGLRC> contexts;
    HGLRC current = NULL;

    std::deque<MSG> queue;
    bool quit = false;
    int quit_code = 0;
    int idle = 0;
    int quiet = 0;
    int limit = 50;
    std::multimap<int, std::function<void()>> script;

    std::deque<int> answers;
    std::vector<Box> boxes;
};

World &world();

// Logs "name(args)"; true when the test asked this call to fail.
bool call(const char *name, const std::string &args);
const void *make(Kind kind);
Window *live(HWND window);
bool dc_alive(HDC dc);

std::string hex(unsigned long long value);
std::string dec(long long value);
std::string name(const void *handle);
std::string proc(WNDPROC p);
std::string message_name(UINT message);
std::string message(const MSG &m);

} // namespace fake::detail
