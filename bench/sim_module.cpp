#include "sim_module.h"

#include <dlfcn.h>

namespace {

template <typename Function>
bool bind(void* handle, const char* name, Function& function, std::string& error)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (function == nullptr)
        error = std::string("no ") + name + " in the simulator module";
    return function != nullptr;
}

} // namespace

// RTLD_LOCAL keeps each module's symbols to itself, so a second copy loaded
// beside the first binds to its own firmware.
bool loadSimModule(const char* path, SimModule& module, std::string& error)
{
    module.handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (module.handle == nullptr) {
        error = dlerror();
        return false;
    }
    void* h = module.handle;
    return bind(h, "qs9ProgramStart", module.programStart, error) &&
           bind(h, "qs9PowerOn", module.powerOn, error) && bind(h, "qs9PowerOff", module.powerOff, error) &&
           bind(h, "qs9MainLoopRuns", module.mainLoopRuns, error) && bind(h, "qs9Pass", module.pass, error) &&
           bind(h, "qs9Tick", module.tick, error) && bind(h, "qs9PostKey", module.postKey, error) &&
           bind(h, "qs9FindInput", module.findInput, error) && bind(h, "qs9SetInput", module.setInput, error) &&
           bind(h, "qs9SetValue", module.setValue, error) &&
           bind(h, "qs9ReadValue", module.readValue, error) &&
           bind(h, "qs9WriteValue", module.writeValue, error) &&
           bind(h, "qs9CurrentScreenName", module.currentScreenName, error) &&
           bind(h, "qs9FrameBuffer", module.frameBuffer, error);
}
