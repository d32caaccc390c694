// Draws the story map (docs/story-map.dot) from the game itself: plays every
// way through the story on the scripted console, answering each choice with
// each option its script declares, and records where each answer leads: the
// next choice, a death, the end. Continue's resume places come from the
// game's table. The map is never edited by hand:
//
//   story_map > docs/story-map.dot      (tools/render_maps.sh runs it)
//   story_map --check docs/story-map.dot  exit status 1 when it is stale
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "state/game_state.h"
#include "story/chapters.h"
#include "story/death_screen.h"
#include "story/script.h"
#include "support/scripted_console.h"
#include "support/work_folder.h"
#include "test_seam.h"

namespace {

struct Stop {};

std::vector<ReadStory> readFiles() {
    std::vector<ReadStory> read;
    for (const StoryFile& file : storyFiles) read.push_back(testSeam::readStory(file.text));
    return read;
}

const std::vector<ReadStory>& files() {
    static const std::vector<ReadStory> read = readFiles();
    return read;
}

std::string stem(std::string_view name) { return std::string(name.substr(0, name.find('.'))); }

std::string nodeId(PassageId passage) {
    return stem(storyFiles[passage.file].name) + "_" + files()[passage.file].passages[passage.passage].name;
}

std::string passageName(PassageId passage) { return files()[passage.file].passages[passage.passage].name; }

// A short form of an option's text for an edge.
std::string shortText(std::string text) {
    if (text.size() > 28) {
        std::size_t cut = text.rfind(' ', 28);
        text = text.substr(0, cut == std::string::npos ? 28 : cut) + " …";
    }
    return text;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

// The record's fields an answer can change, as the map names them.
struct Field {
    const char* name;
    std::int32_t GameState::*member;
};
constexpr Field fields[] = {{"health", &GameState::health},
                            {"hasSword", &GameState::hasSword},
                            {"ragnarRelation", &GameState::ragnarRelation},
                            {"ragnarStatus", &GameState::ragnarStatus},
                            {"bardRelation", &GameState::bardRelation},
                            {"bardStatus", &GameState::bardStatus}};

std::string changes(const GameState& before, const GameState& after) {
    std::string out;
    for (const Field& field : fields) {
        if (before.*field.member == after.*field.member) continue;
        out += (out.empty() ? "" : ", ") + std::string(field.name) + "=" + std::to_string(after.*field.member);
    }
    return out.empty() ? "" : "[" + out + "]";
}

// Where an answer led.
struct Target {
    enum class Kind { Choice, Death, End } kind;
    PassageId passage{};  // the next choice, or the passage told last before a death
    bool operator<(const Target& other) const {
        return std::tie(kind, passage.file, passage.passage) <
               std::tie(other.kind, other.passage.file, other.passage.passage);
    }
};

struct Edge {
    PassageId from;
    std::int32_t number;
    Target to;
    std::string changed;
    bool operator<(const Edge& other) const {
        return std::tie(from.file, from.passage, number, to, changed) <
               std::tie(other.from.file, other.from.passage, other.number, other.to, other.changed);
    }
};

struct Shown {
    DeclaredChoice choice;
    GameState state;
};

class Explorer {
public:
    // Plays from chapter `position` with `answers`, records what it saw, and
    // tries every declared option at the first choice the answers do not
    // reach.
    void explore(int position, std::vector<std::int32_t> answers) {
        std::vector<Shown> shown;
        std::vector<std::int32_t> given;
        PassageId lastTold{};
        Target ending{Target::Kind::End};
        bool stopped = false;
        {
            const WorkFolder folder("hulgor-story-map");
            scripted::ScriptedSession session;
            scripted::script().keepTranscript = false;
            game = GameState{};
            game.playerName = "Hulgor";
            std::size_t next = 0;
            scripted::script().nextLine = [&]() -> std::optional<std::string> {
                if (next == answers.size()) throw Stop{};
                return std::to_string(answers[next++]);
            };
            testSeam::watchStory([&](const StoryEvent& event) {
                if (event.kind == StoryEvent::Kind::Told) lastTold = event.passage;
                if (event.kind == StoryEvent::Kind::NumberAsked) shown.push_back({*event.choice, game});
                if (event.kind == StoryEvent::Kind::Answered) given.push_back(event.number);
            });
            std::cin.exceptions(std::ios::badbit);
            try {
                runChapters(position);
            } catch (const Stop&) {
                stopped = true;
            } catch (const GameOver&) {
                ending = {Target::Kind::Death, lastTold};
            } catch (const ProgramQuit&) {
            }
            std::cin.exceptions(std::ios::goodbit);
            testSeam::watchStory(nullptr);
        }
        if (shown.empty()) return;
        if (answers.empty()) starts_[position] = shown.front().choice.passage;
        for (std::size_t i = 0; i < given.size(); ++i) {
            Target to = i + 1 < shown.size() ? Target{Target::Kind::Choice, shown[i + 1].choice.passage} : ending;
            const GameState& after = i + 1 < shown.size() ? shown[i + 1].state : game;
            // A death's own changes (the sword taken) are the death screen's.
            std::string changed = to.kind == Target::Kind::Death ? "" : changes(shown[i].state, after);
            edges_.insert({shown[i].choice.passage, given[i], to, changed});
        }
        for (const Shown& each : shown) {
            choices_[key(each.choice.passage)] = each.choice;
            if (std::find(fileOrder_.begin(), fileOrder_.end(), each.choice.passage.file) == fileOrder_.end()) {
                fileOrder_.push_back(each.choice.passage.file);
            }
        }
        if (!stopped) return;
        // Each choice once per state of the record: an answer that asks
        // again without changing anything is not followed further.
        const Shown& last = shown.back();
        for (const auto& [passage, state] : visited_) {
            if (passage == key(last.choice.passage) && state == last.state) return;
        }
        visited_.push_back({key(last.choice.passage), last.state});
        for (std::size_t i = 0; i < last.choice.count; ++i) {
            std::vector<std::int32_t> more = answers;
            more.push_back(last.choice.options[i].number);
            explore(position, more);
        }
    }

    void write(std::ostream& out) const;

private:
    static std::pair<int, int> key(PassageId passage) { return {passage.file, passage.passage}; }

    std::set<Edge> edges_;
    std::map<std::pair<int, int>, DeclaredChoice> choices_;
    std::map<int, PassageId> starts_;
    std::vector<std::uint16_t> fileOrder_;  // story files in the order the story reaches them
    std::vector<std::pair<std::pair<int, int>, GameState>> visited_;
};

void Explorer::write(std::ostream& out) const {
    out << "// Story map: every choice of the story, where each answer leads, the\n"
           "// deaths and the resume places of Continue. Generated by tools/story_map.cpp\n"
           "// from the game on the scripted console; do not edit. Render with:\n"
           "// bash tools/render_maps.sh  (writes docs/story-map.dot and docs/story-map.svg)\n"
           "//\n"
           "// Shapes: diamond = choice (its passage in the chapter's story file), answers\n"
           "// on the edges (bold: golden, moves the story on); octagon = death, named by\n"
           "// the last passage told before it; folder = a checkpoint Continue resumes.\n"
           "// Labels in [brackets] are the GameState fields the answer changed on the way\n"
           "// to the next choice. \"(+ 200 quit)\": the quit line is offered there.\n"
           "digraph story {\n"
           "    graph [rankdir=TB, fontname=\"Helvetica\", fontsize=12, nodesep=0.35, ranksep=0.45,\n"
           "           newrank=true, label=\"Hulgor – der Barbar: story map\", labelloc=t, fontsize=18];\n"
           "    node  [fontname=\"Helvetica\", fontsize=11, shape=box, style=\"rounded,filled\", "
           "fillcolor=\"#f4f4f4\"];\n"
           "    edge  [fontname=\"Helvetica\", fontsize=10];\n\n"
           "    newgame [label=\"New game\", fillcolor=\"#d9e8fb\"];\n"
           "    eoc [label=\"end of content\", fillcolor=\"#d9e8fb\"];\n"
           "    death [label=\"DeathScreen\\n→ title menu\", shape=octagon, fillcolor=\"#f8c9c9\"];\n";

    // The choices, one cluster per story file, in the story's order.
    for (std::uint16_t file : fileOrder_) {
        // The chapter's name from the file's first line: # Chapter "Reise": ...
        const std::string_view text = storyFiles[file].text;
        const std::string_view first = text.substr(0, text.find('\n'));
        std::string title;
        if (first.starts_with("# Chapter \"")) title = escaped(std::string(first.substr(10, first.find('"', 11) - 9))) + "  ";
        const std::string chapter = stem(storyFiles[file].name);
        out << "\n    subgraph cluster_" << chapter << " {\n        label=\"" << title << "(" << chapter
            << ".story)\"; style=\"rounded\"; color=\"#888888\";\n";
        for (const auto& [at, choice] : choices_) {
            if (at.first != static_cast<int>(file)) continue;
            out << "        " << nodeId(choice.passage) << " [label=\"" << passageName(choice.passage)
                << (choice.quitLine == QuitLine::Offered ? "\\n(+ 200 quit)" : "")
                << "\", shape=diamond, fillcolor=\"#ffe9c7\"];\n";
        }
        std::set<std::string> deaths;
        for (const Edge& edge : edges_) {
            if (edge.from.file != file || edge.to.kind != Target::Kind::Death) continue;
            if (!deaths.insert(nodeId(edge.to.passage)).second) continue;
            out << "        dies_" << nodeId(edge.to.passage) << " [label=\"" << passageName(edge.to.passage)
                << "\", shape=octagon, fillcolor=\"#f8c9c9\"];\n";
        }
        out << "    }\n";
    }

    // Continue: each checkpoint and the first choice it reaches.
    out << "\n";
    for (std::size_t i = 0; i < checkpoints.size(); ++i) {
        auto start = starts_.find(checkpoints[i].chapter);
        if (start == starts_.end()) continue;
        out << "    resume" << i << " [label=\"Continue\\n\\\"" << escaped(checkpoints[i].label)
            << "\\\"\", shape=folder, fillcolor=\"#fff2b3\"];\n";
        out << "    resume" << i << " -> " << nodeId(start->second) << ";\n";
    }
    if (auto start = starts_.find(1); start != starts_.end()) out << "    newgame -> " << nodeId(start->second) << ";\n";

    // The answers: one edge per target, the answers that lead there on it.
    std::map<std::tuple<std::string, std::string, std::string>, std::vector<std::string>> grouped;
    std::map<std::tuple<std::string, std::string, std::string>, bool> golden;
    for (const Edge& edge : edges_) {
        const auto& options = files()[edge.from.file].passages[edge.from.passage].options;
        std::string label = std::to_string(edge.number);
        bool isGolden = false;
        for (const auto& option : options) {
            if (option.declared.number != edge.number) continue;
            label += " " + escaped(shortText(option.text));
            isGolden = option.declared.golden;
        }
        // An option of a second passage joined into the choice.
        if (label == std::to_string(edge.number)) {
            for (const auto& passage : files()[edge.from.file].passages) {
                for (const auto& option : passage.options) {
                    if (option.declared.number == edge.number && edge.from.passage > 0 &&
                        &passage == &files()[edge.from.file].passages[edge.from.passage - 1]) {
                        label += " " + escaped(shortText(option.text));
                        isGolden = option.declared.golden;
                    }
                }
            }
        }
        if (!edge.changed.empty()) label += "\\n" + edge.changed;
        std::string to = edge.to.kind == Target::Kind::Choice ? nodeId(edge.to.passage)
                         : edge.to.kind == Target::Kind::Death ? "dies_" + nodeId(edge.to.passage)
                                                               : "eoc";
        auto key = std::tuple(nodeId(edge.from), to, std::string(isGolden ? "bold" : ""));
        grouped[key].push_back(label);
        golden[key] = isGolden;
    }
    out << "\n";
    for (const auto& [key, labels] : grouped) {
        std::string label;
        for (const std::string& each : labels) label += (label.empty() ? "" : "\\n") + each;
        out << "    " << std::get<0>(key) << " -> " << std::get<1>(key) << " [label=\"" << label << "\""
            << (golden.at(key) ? ", style=bold" : "") << "];\n";
    }
    std::set<std::string> deaths;
    for (const Edge& edge : edges_) {
        if (edge.to.kind == Target::Kind::Death) deaths.insert("dies_" + nodeId(edge.to.passage));
    }
    out << "\n";
    for (const std::string& each : deaths) out << "    " << each << " -> death [style=dashed, color=\"#b03030\"];\n";
    out << "}\n";
}

}  // namespace

int main(int argc, char** argv) {
    Explorer explorer;
    explorer.explore(1, {});
    for (const ResumePlace& place : checkpoints) explorer.explore(place.chapter, {});
    std::ostringstream map;
    explorer.write(map);
    if (argc == 3 && std::string(argv[1]) == "--check") {
        std::ifstream file(argv[2], std::ios::binary);
        std::string kept{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        if (kept == map.str()) return 0;
        std::cerr << argv[2] << " is not the map the game draws: run bash tools/render_maps.sh\n";
        return 1;
    }
    std::cout << map.str();
    return 0;
}
