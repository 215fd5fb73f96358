// SPDX-FileCopyrightText: 2026 The Z408 configurator developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "desktop/evdev_hook_input.h"

#include <fcntl.h>
#include <libevdev/libevdev-uinput.h>
#include <libevdev/libevdev.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "desktop/evdev_relay.h"
#include "platform/udev_handles.h"

namespace z408::desktop {
namespace {

struct Node;
void dropUinput(Node& node);

struct Node {
    EvdevNode info;
    int fd = -1;
    libevdev* dev = nullptr;
    libevdev_uinput* uinput = nullptr;
    bool grabbed = false;
    // A grab change waits for this node's buttons to be let go.
    bool changePending = false;
    EvdevRelay relay;

    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    ~Node() {
        if (dev != nullptr && grabbed) libevdev_grab(dev, LIBEVDEV_UNGRAB);
        // Destroying the device releases whatever it still holds down.
        dropUinput(*this);
        if (dev != nullptr) libevdev_free(dev);
        if (fd >= 0) ::close(fd);
    }
};

void dropUinput(Node& node) {
    if (node.uinput == nullptr) return;
    const int fd = libevdev_uinput_get_fd(node.uinput);
    libevdev_uinput_destroy(node.uinput);
    ::close(fd);  // ours: the device was made on a descriptor we opened
    node.uinput = nullptr;
}

// Opens a node and reads its state; nullptr and `problem` set on failure.
std::unique_ptr<Node> openNode(const EvdevNode& info, EvdevProblem& problem) {
    auto node = std::make_unique<Node>();
    node->info = info;
    node->fd = ::open(info.devnode.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (node->fd < 0) {
        problem = nodeOpenProblem(info.devnode, errno);
        return nullptr;
    }
    const int rc = libevdev_new_from_fd(node->fd, &node->dev);
    if (rc < 0) {
        node->dev = nullptr;
        problem = nodeOpenProblem(info.devnode, -rc);
        return nullptr;
    }
    for (unsigned code = 0; code <= KEY_MAX; ++code)
        if (libevdev_get_event_value(node->dev, EV_KEY, code) != 0)
            node->relay.filter().noteHeld(static_cast<uint16_t>(code), true);
    return node;
}

}  // namespace

struct EvdevHookInput::State {
    mutable std::mutex mutex;
    std::vector<std::unique_ptr<Node>> nodes;
    TakenButtons wanted = 0;
    std::string uinputPath{kUinputPath};
    udevh::Udev udev;
    udevh::Monitor monitor;
    int wakeFd = -1;
    std::atomic<bool> ended{false};
    std::jthread thread;

    // What one pass of the thread hands to the callbacks once the lock is let go.
    struct Outbox {
        std::vector<z408::InputEvent> events;
        std::vector<std::pair<int32_t, int32_t>> motion;
        std::vector<EvdevProblem> problems;
    };

    EvdevProblem makeUinput(Node& node) {
        if (node.uinput != nullptr) return {};
        const int fd = ::open(uinputPath.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) return uinputOpenProblem(uinputPath, errno);
        // A device with the node's name, ids and capabilities, so the desktop treats the events
        // it passes on as the mouse's own.
        const int rc = libevdev_uinput_create_from_device(node.dev, fd, &node.uinput);
        if (rc < 0) {
            node.uinput = nullptr;
            ::close(fd);
            return {EvdevIssue::UinputFailed, uinputPath, -rc};
        }
        return {};
    }

    // Brings the node's grab in line with `wanted` where its buttons allow it now. A problem
    // leaves the node ungrabbed; it is tried again at the next change of `wanted`.
    EvdevProblem settleGrab(Node& node) {
        const bool want = wanted != 0;
        if (want && node.grabbed) {
            node.relay.filter().setGrab(true, wanted);
            node.changePending = false;
            return {};
        }
        if (!want && !node.grabbed) {
            node.changePending = false;
            dropUinput(node);
            return {};
        }
        // The device comes first, before any wait: where it cannot be made the person hears at
        // once, not at some later release.
        if (want) {
            if (EvdevProblem p = makeUinput(node); !p.empty()) {
                node.changePending = false;
                return p;
            }
        }
        if (node.relay.filter().anyHeld()) {
            node.changePending = true;
            return {};
        }
        node.changePending = false;
        if (want) {
            const int rc = libevdev_grab(node.dev, LIBEVDEV_GRAB);
            if (rc < 0) {
                dropUinput(node);
                return grabProblem(node.info.devnode, -rc);
            }
            node.grabbed = true;
            node.relay.filter().setGrab(true, wanted);
        } else {
            libevdev_grab(node.dev, LIBEVDEV_UNGRAB);
            node.grabbed = false;
            node.relay.filter().setGrab(false, 0);
            dropUinput(node);
        }
        return {};
    }

    // Returns the problem that kept the node from opening, empty when it opened (or was open).
    EvdevProblem addNode(const EvdevNode& info, Outbox& box) {
        for (const auto& n : nodes)
            if (n->info.syspath == info.syspath) return {};
        EvdevProblem problem;
        auto node = openNode(info, problem);
        if (!node) return problem;
        if (wanted != 0)
            if (EvdevProblem p = settleGrab(*node); !p.empty()) box.problems.push_back(p);
        nodes.push_back(std::move(node));
        return {};
    }

    // A plugged-in node that could not be opened yet: without udevd the kernel announces it
    // before whatever gives the user access has run, so it is tried again for a while.
    struct Retry {
        EvdevNode info;
        std::chrono::steady_clock::time_point until;
    };
    static constexpr auto kRetryFor = std::chrono::seconds(2);
    static constexpr int kRetryEveryMs = 50;
    std::vector<Retry> retries;

    void plugged(const EvdevNode& info, Outbox& box) {
        const EvdevProblem p = addNode(info, box);
        if (p.issue == EvdevIssue::NodeNotReadable)
            retries.push_back({info, std::chrono::steady_clock::now() + kRetryFor});
        else if (!p.empty() && p.issue != EvdevIssue::NoMouseNode)
            box.problems.push_back(p);
    }

    void retryPlugged(Outbox& box) {
        const auto now = std::chrono::steady_clock::now();
        std::erase_if(retries, [&](const Retry& r) {
            const EvdevProblem p = addNode(r.info, box);
            if (p.empty() || p.issue == EvdevIssue::NoMouseNode) return true;
            if (now < r.until) return false;
            box.problems.push_back(p);
            return true;
        });
    }

    void handleFrame(Node& node, const FrameResult& result, Outbox& box) {
        box.events.insert(box.events.end(), result.hookEvents.begin(), result.hookEvents.end());
        if (result.dx != 0 || result.dy != 0) box.motion.emplace_back(result.dx, result.dy);
        if (node.changePending)
            if (EvdevProblem p = settleGrab(node); !p.empty()) box.problems.push_back(p);
    }

    // Reads all the node has; false when the node is gone.
    bool drain(Node& node, Outbox& box) {
        FrameResult result;
        unsigned flag = LIBEVDEV_READ_FLAG_NORMAL;
        for (;;) {
            input_event ev{};
            const int rc = libevdev_next_event(node.dev, flag, &ev);
            if (rc == -EAGAIN) {
                if (flag == LIBEVDEV_READ_FLAG_SYNC) {
                    flag = LIBEVDEV_READ_FLAG_NORMAL;
                    continue;
                }
                return true;
            }
            if (rc == LIBEVDEV_READ_STATUS_SYNC && flag == LIBEVDEV_READ_FLAG_NORMAL) {
                // The kernel dropped events: the unfinished frame is void, and the state's
                // changes follow as frames of their own.
                node.relay.dropFrame();
                flag = LIBEVDEV_READ_FLAG_SYNC;
                continue;
            }
            if (rc < 0) return false;  // ENODEV: unplugged
            const int out = node.uinput != nullptr ? libevdev_uinput_get_fd(node.uinput) : -1;
            if (node.relay.push(ev, out, result)) handleFrame(node, result, box);
        }
    }

    void removeNode(const std::string& syspath) {
        std::erase_if(nodes, [&](const auto& n) { return n->info.syspath == syspath; });
        std::erase_if(retries, [&](const Retry& r) { return r.info.syspath == syspath; });
    }

    void readMonitor(Outbox& box) {
        for (;;) {
            udevh::Device dev(udev_monitor_receive_device(monitor.get()));
            if (!dev) return;
            const std::string action = udevh::str(udev_device_get_action(dev.get()));
            if (action == "remove") {
                removeNode(udevh::str(udev_device_get_syspath(dev.get())));
            } else if (action == "add" && isMouseEventDevice(dev.get())) {
                plugged(eventNodeOf(dev.get()), box);
            }
        }
    }
};

EvdevHookInput::EvdevHookInput(Deliver deliver, Motion motion, Problem problem)
    : deliver_(std::move(deliver)),
      motion_(std::move(motion)),
      problem_cb_(std::move(problem)),
      state_(std::make_unique<State>()) {}

EvdevHookInput::~EvdevHookInput() {
    stop();
}

bool EvdevHookInput::running() const {
    return state_->thread.joinable();
}

bool EvdevHookInput::alive() const {
    return running() && !state_->ended.load();
}

size_t EvdevHookInput::openNodes() const {
    std::lock_guard lock(state_->mutex);
    return state_->nodes.size();
}

bool EvdevHookInput::start() {
    if (running()) return true;
    State& s = *state_;
    error_.clear();
    problem_ = {};
    const auto failWith = [&](EvdevProblem p, std::string english) {
        problem_ = std::move(p);
        error_ = std::move(english);
        std::lock_guard lock(s.mutex);
        s.nodes.clear();
        s.retries.clear();
        s.monitor.reset();
        s.udev.reset();
        if (s.wakeFd >= 0) ::close(s.wakeFd);
        s.wakeFd = -1;
        return false;
    };

    // Watching starts before the nodes are listed, so a mouse plugged in between is not missed.
    // A failure here leaves the hook deaf: the person hears why, with the errno libudev left.
    int err = 0;
    s.udev.reset(udev_new());
    if (!s.udev) err = errno;
    if (s.udev) {
        // udev's own events come after its rules gave the node its permissions; without udevd
        // (a bare system) only the kernel's are there.
        const bool udevd = ::access("/run/udev/control", F_OK) == 0;
        s.monitor.reset(udev_monitor_new_from_netlink(s.udev.get(), udevd ? "udev" : "kernel"));
        if (!s.monitor) err = errno;
    }
    if (s.monitor) {
        int rc = udev_monitor_filter_add_match_subsystem_devtype(s.monitor.get(), "input", nullptr);
        if (rc >= 0) rc = udev_monitor_enable_receiving(s.monitor.get());
        if (rc < 0) err = -rc;
    }
    if (!s.monitor || err != 0) {
        const EvdevProblem p = watchProblem(err);
        return failWith(p, p.text(2));
    }
    s.wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (s.wakeFd < 0) {
        const EvdevProblem p = watchProblem(errno);
        return failWith(p, p.text(2));
    }

    const std::vector<EvdevNode> found = findMouseEventNodes();
    State::Outbox box;
    bool noneOpened = false;
    {
        std::lock_guard lock(s.mutex);
        for (const EvdevNode& info : found)
            if (EvdevProblem p = s.addNode(info, box); !p.empty()) box.problems.push_back(p);
        noneOpened = !found.empty() && s.nodes.empty();
    }
    if (noneOpened) {
        EvdevProblem first = box.problems.empty() ? EvdevProblem{EvdevIssue::NoMouseNode, {}, 0}
                                                  : box.problems.front();
        return failWith(first, first.text(2));
    }
    if (problem_cb_)
        for (const EvdevProblem& p : box.problems) problem_cb_(p);

    s.ended = false;
    s.thread = std::jthread([this](std::stop_token stop) {
        State& st = *state_;
        std::vector<pollfd> fds;
        std::vector<Node*> polled;
        while (!stop.stop_requested()) {
            fds.clear();
            polled.clear();
            fds.push_back({st.wakeFd, POLLIN, 0});
            fds.push_back({udev_monitor_get_fd(st.monitor.get()), POLLIN, 0});
            int timeoutMs = -1;
            {
                std::lock_guard lock(st.mutex);
                for (const auto& n : st.nodes) {
                    fds.push_back({n->fd, POLLIN, 0});
                    polled.push_back(n.get());
                }
                if (!st.retries.empty()) timeoutMs = State::kRetryEveryMs;
            }
            if (::poll(fds.data(), fds.size(), timeoutMs) < 0) {
                if (errno == EINTR) continue;
                st.ended = true;
                return;
            }
            if (stop.stop_requested()) return;
            State::Outbox out;
            {
                std::lock_guard lock(st.mutex);
                if (fds[0].revents != 0) {
                    uint64_t count = 0;
                    [[maybe_unused]] const ssize_t n = ::read(st.wakeFd, &count, sizeof count);
                }
                // Only nodes still open: the caller's thread may have changed the list.
                for (size_t i = 0; i < polled.size(); ++i) {
                    if (fds[i + 2].revents == 0) continue;
                    const auto it =
                        std::find_if(st.nodes.begin(), st.nodes.end(),
                                     [&](const auto& n) { return n.get() == polled[i]; });
                    if (it == st.nodes.end()) continue;
                    if (!st.drain(**it, out)) st.nodes.erase(it);
                }
                if (fds[1].revents != 0) st.readMonitor(out);
                if (!st.retries.empty()) st.retryPlugged(out);
            }
            // The callbacks run without the lock, so they may call back into the source.
            for (const z408::InputEvent& e : out.events)
                if (deliver_) deliver_(e);
            for (const auto& [dx, dy] : out.motion)
                if (motion_) motion_(dx, dy);
            for (const EvdevProblem& p : out.problems)
                if (problem_cb_) problem_cb_(p);
        }
    });
    return true;
}

void EvdevHookInput::stop() {
    State& s = *state_;
    if (s.thread.joinable()) {
        s.thread.request_stop();
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(s.wakeFd, &one, sizeof one);
        s.thread.join();
    }
    std::lock_guard lock(s.mutex);
    s.nodes.clear();  // lets go of the grabs and destroys the re-emitting devices
    s.retries.clear();
    s.monitor.reset();
    s.udev.reset();
    if (s.wakeFd >= 0) ::close(s.wakeFd);
    s.wakeFd = -1;
}

EvdevProblem EvdevHookInput::syncIntercepts(const InputHook& hook) {
    const TakenButtons wanted = takenButtons(hook);
    State& s = *state_;
    std::lock_guard lock(s.mutex);
    s.wanted = wanted;
    EvdevProblem first;
    for (const auto& node : s.nodes) {
        EvdevProblem p = s.settleGrab(*node);
        if (first.empty()) first = std::move(p);
    }
    return first;
}

}  // namespace z408::desktop
