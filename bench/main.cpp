// The component's cost on large playlists, beside the floors of the host's own work.
// TALLYMERE_BENCH_SMOKE=1 runs every case once at a tiny size, so that the suite
// cannot rot.
#include <benchmark/benchmark.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench/floors.h"
#include "component/module.h"
#include "host/component_client.h"
#include "host/initquit.h"
#include "host/playlist_callback.h"
#include "naming/updater.h"
#include "pfc/format.h"
#include "standin/arguments.h"
#include "standin/library.h"
#include "standin/published.h"
#include "standin/streams.h"
#include "tests/support/test_heap.h"

extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance);

namespace {

bool smoke() {
    const char* value = std::getenv("TALLYMERE_BENCH_SMOKE");
    return value != nullptr && *value == '1';
}

// A host with playlists of the given size, items of varied lengths, and the component
// loaded, started and ready to take notifications.
struct bench_host {
    bench_host(uint32_t playlists, uint32_t items) {
        for (uint32_t p = 0; p < playlists; ++p) {
            const uint32_t index = host.playlists().add_playlist("Playlist " + std::to_string(p));
            for (uint32_t i = 0; i < items; ++i) host.playlists().add_item(index, host.handles().make(120.0 + i % 300));
        }
        client.set_services_state(true);
    }
    ~bench_host() {
        start_up.reset();
        receiver.reset();
        client.set_services_state(false);
    }

    // What a player pays after a change: the notification and the queued task's run.
    void update(uint32_t playlist) {
        static_cast<playlist_callback&>(*receiver).on_items_added(playlist, 0, standin::no_items(),
                                                                  standin::no_marks());
        host.queue().run_all();
    }

    standin::component_library library{TALLYMERE_LIBRARY};
    standin::host host;
    component_client& client = library.connect(host);
    service_ptr_t<initquit> start_up = standin::published<initquit>(client, initquit::class_guid);
    service_ptr_t<playlist_callback_static> receiver =
        standin::published<playlist_callback_static>(client, playlist_callback_static::class_guid);
};

void per_item(benchmark::State& state, uint64_t items) {
    state.counters["per_item"] = benchmark::Counter(
        static_cast<double>(items), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void update_component(benchmark::State& state) {
    const auto n = static_cast<uint32_t>(state.range(0));
    bench_host b(1, n);
    for (auto _ : state) b.update(0);
    per_item(state, n);
}

void update_minimal_floor(benchmark::State& state) {
    const auto n = static_cast<uint32_t>(state.range(0));
    bench_host b(1, n);
    for (auto _ : state) floors::minimal_update(b.host, 0);
    per_item(state, n);
}

void update_replay_floor(benchmark::State& state) {
    const auto n = static_cast<uint32_t>(state.range(0));
    bench_host b(1, n);
    for (auto _ : state) floors::replay_update(b.host, 0);
    per_item(state, n);
}

void startup_component(benchmark::State& state) {
    const auto playlists = static_cast<uint32_t>(state.range(0)), items = static_cast<uint32_t>(state.range(1));
    bench_host b(playlists, items);
    for (auto _ : state) b.start_up->on_init();
    per_item(state, uint64_t{playlists} * items);
}

template <void (*floor)(standin::host&, uint32_t)>
void startup_floor(benchmark::State& state) {
    const auto playlists = static_cast<uint32_t>(state.range(0)), items = static_cast<uint32_t>(state.range(1));
    bench_host b(playlists, items);
    for (auto _ : state) {
        for (uint32_t p = 0; p < playlists; ++p) floor(b.host, p);
    }
    per_item(state, uint64_t{playlists} * items);
}

// The counts behind one update, in this process on the counting heap: references and
// locks per item, and the block operations of the whole update.
void update_counts(benchmark::State& state) {
    const auto n = static_cast<uint32_t>(state.range(0));
    standin::host host;
    const uint32_t index = host.playlists().add_playlist("Counted");
    for (uint32_t i = 0; i < n; ++i) host.playlists().add_item(index, host.handles().make(100));
    foobar2000_get_interface(&host, nullptr);
    uint64_t add_refs = 0, locks = 0, unlocks = 0, blocks = 0;
    for (auto _ : state) {
        std::vector<uint64_t> before;
        for (const auto& h : host.handles().all()) before.push_back(h.add_ref_calls() + (h.lock_calls() << 32));
        const uint64_t ops = test_heap::operations();
        update_playlist_name(index, false);
        blocks = test_heap::operations() - ops;
        add_refs = locks = unlocks = 0;
        size_t i = 0;
        for (const auto& h : host.handles().all()) {
            add_refs += h.add_ref_calls() - (before[i] & 0xFFFFFFFF);
            locks += h.lock_calls() - (before[i] >> 32);
            ++i;
        }
        unlocks = locks;
    }
    for (const auto& h : host.handles().all()) {
        if (h.lock_calls() != h.unlock_calls()) unlocks = 0;
    }
    state.counters["add_refs_per_item"] = static_cast<double>(add_refs) / n;
    state.counters["locks_per_item"] = static_cast<double>(locks) / n;
    state.counters["unlocks_per_item"] = static_cast<double>(unlocks) / n;
    state.counters["block_ops"] = static_cast<double>(blocks);
    foobar2000_get_interface(nullptr, nullptr);
}

const uint64_t uint_values[] = {0, 7, 57, 1234, 99999, 1000000, 4294967295u, 18446744073709551615u};
const int64_t duration_values[] = {0, 59, 3599, 13267, 90061, 694861, 31536000, INT64_MAX};

void format_uint_component(benchmark::State& state) {
    char out[pfc::format_uint_size];
    for (auto _ : state) {
        for (uint64_t v : uint_values) benchmark::DoNotOptimize(pfc::format_uint(out, v, 0, 10));
    }
}

void format_uint_snprintf(benchmark::State& state) {
    char out[pfc::format_uint_size];
    for (auto _ : state) {
        for (uint64_t v : uint_values) benchmark::DoNotOptimize(std::snprintf(out, sizeof out, "%" PRIu64, v));
    }
}

void format_duration_component(benchmark::State& state) {
    char out[pfc::format_duration_size];
    for (auto _ : state) {
        for (int64_t v : duration_values) benchmark::DoNotOptimize(pfc::format_duration(out, v));
    }
}

// The same texts with snprintf, the choice of form included.
void format_duration_snprintf(benchmark::State& state) {
    char out[pfc::format_duration_size];
    for (auto _ : state) {
        for (int64_t v : duration_values) {
            const auto s = static_cast<uint64_t>(v);
            const auto w = static_cast<unsigned>(s / 604800), d = static_cast<unsigned>(s / 86400 % 7);
            const auto h = static_cast<unsigned>(s / 3600 % 24), m = static_cast<unsigned>(s / 60 % 60);
            const auto sec = static_cast<unsigned>(s % 60);
            if (w != 0) {
                std::snprintf(out, sizeof out, "%uwk %ud %u:%02u:%02u", w, d, h, m, sec);
            } else if (d != 0) {
                std::snprintf(out, sizeof out, "%ud %u:%02u:%02u", d, h, m, sec);
            } else if (h != 0) {
                std::snprintf(out, sizeof out, "%u:%02u:%02u", h, m, sec);
            } else {
                std::snprintf(out, sizeof out, "%u:%02u", m, sec);
            }
            benchmark::DoNotOptimize(out);
        }
    }
}

void save_configuration(benchmark::State& state) {
    bench_host b(0, 0);
    standin::never_abort abort;
    for (auto _ : state) {
        standin::memory_output_stream out;
        b.client.save_configuration(out, abort);
        benchmark::DoNotOptimize(out.bytes().data());
    }
}

void load_configuration(benchmark::State& state) {
    bench_host b(0, 0);
    standin::never_abort abort;
    standin::memory_output_stream saved;
    b.client.save_configuration(saved, abort);
    for (auto _ : state) {
        standin::memory_input_stream in(saved.bytes());
        b.client.load_configuration(in, abort);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool tiny = smoke();
    const std::vector<int64_t> sizes =
        tiny ? std::vector<int64_t>{10} : std::vector<int64_t>{1000, 10000, 100000, 1000000};
    const int64_t startup_playlists = tiny ? 2 : 1000, startup_items = tiny ? 3 : 1000;
    auto once = [&](benchmark::internal::Benchmark* b) {
        if (tiny) b->Iterations(1);
        return b;
    };
    for (int64_t n : sizes) {
        once(benchmark::RegisterBenchmark("update/component", update_component)->Arg(n)->Unit(benchmark::kMicrosecond));
        once(benchmark::RegisterBenchmark("update/replay_floor", update_replay_floor)
                 ->Arg(n)
                 ->Unit(benchmark::kMicrosecond));
        once(benchmark::RegisterBenchmark("update/minimal_floor", update_minimal_floor)
                 ->Arg(n)
                 ->Unit(benchmark::kMicrosecond));
    }
    once(benchmark::RegisterBenchmark("update/counts", update_counts)->Arg(tiny ? 10 : 1000000)->Iterations(1));
    for (auto* b : {benchmark::RegisterBenchmark("startup/component", startup_component),
                    benchmark::RegisterBenchmark("startup/replay_floor", startup_floor<floors::replay_update>),
                    benchmark::RegisterBenchmark("startup/minimal_floor", startup_floor<floors::minimal_update>)}) {
        once(b->Args({startup_playlists, startup_items})->Unit(benchmark::kMillisecond));
    }
    once(benchmark::RegisterBenchmark("format_uint/component", format_uint_component));
    once(benchmark::RegisterBenchmark("format_uint/snprintf", format_uint_snprintf));
    once(benchmark::RegisterBenchmark("format_duration/component", format_duration_component));
    once(benchmark::RegisterBenchmark("format_duration/snprintf", format_duration_snprintf));
    once(benchmark::RegisterBenchmark("configuration/save", save_configuration));
    once(benchmark::RegisterBenchmark("configuration/load", load_configuration));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
