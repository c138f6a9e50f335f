// The simulator's stack file: any text is taken or refused with a message; a
// stack that is taken has 1 to 12 numbered units whose LED octets have the
// length of their model family.
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "sim/DeviceTables.h"
#include "sim/ObjectStore.h"
#include "sim/SpecReader.h"
#include "sim/StackModel.h"

namespace {

// The device tables read once per process, with no stack yet.
ObjectStore& loadedStore()
{
    static ObjectStore store;
    static const bool loaded = [] {
        std::string error;
        FUZZ_CHECK(SpecReader(store).load(DeviceTables::text(), error), error);
        return true;
    }();
    (void)loaded;
    return store;
}

const ObjectStore::Snapshot& freshStore()
{
    static const ObjectStore::Snapshot fresh = loadedStore().snapshot();
    return fresh;
}

// Whether the store has not yet been built for these units (every field of
// each) in this process. The store is built from the units alone, the same
// way every time, and the build is most of an input's time (a 12-unit stack
// adds tens of thousands of objects), while most inputs the fuzzer makes give
// a stack it has built already. A long run meets millions of stacks, so the
// set keeps a hash of each (a collision at most skips one build); past the
// bound every stack is built again.
bool firstBuild(const std::vector<UnitConfig>& units)
{
    static std::unordered_set<std::size_t> built;
    std::string key;
    auto add = [&key](const std::string& field) {
        key += std::to_string(field.size());
        key += ':';
        key += field;
    };
    for (const UnitConfig& u : units) {
        for (int number : {u.id, int(u.exists), u.startPort, u.portRange, u.mode})
            add(std::to_string(number));
        for (const std::string* text : {&u.model, &u.version, &u.mac, &u.module})
            add(*text);
    }
    return built.size() >= 4000000 || built.insert(std::hash<std::string>{}(key)).second;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<UnitConfig> units;
    std::string error;
    if (!StackModel::parseStack(text, units, error)) {
        FUZZ_CHECK(!error.empty(), text);
        return 0;
    }
    StackModel stack;
    if (!stack.setUnits(units, error)) {
        FUZZ_CHECK(!error.empty(), text);
        return 0;
    }
    FUZZ_CHECK(!stack.units().empty() && stack.units().size() <= StackModel::MaxUnits, text);
    std::set<int> ids;
    for (const UnitConfig& u : stack.units()) {
        FUZZ_CHECK(u.id >= 1 && u.id <= StackModel::MaxUnits, text);
        FUZZ_CHECK(ids.insert(u.id).second, "unit " + std::to_string(u.id) + " twice: " + text);
    }
    for (int index : stack.portIndexes())
        FUZZ_CHECK(index >= 1 && index <= StackModel::MaxUnits * 64, std::to_string(index));
    if (!firstBuild(stack.units()))
        return 0;
    // The store as the simulator builds it: the device tables for this stack
    // (loaded once and given the stack), then the stack. It is put back
    // afterwards, so that the next input starts from the store as loaded and
    // this one frees what it added.
    ObjectStore& store = loadedStore();
    store.restack(stack.portIndexes(), stack.unitIds());
    stack.populate(store);
    stack.tick(store);
    store.restore(freshStore());
    return 0;
}
