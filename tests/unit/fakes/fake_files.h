// A little in-memory file system and process environment, with switchable faults.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace typelens::fakes {

// Platform operations a test can make fail.
enum class Op {
    Enumerate,  // a listing does not start
    NextName,   // a listing breaks off after its first name
    Attributes,
    Copy,
    Delete,
    Read,
    Variable,
    CreateKey,
    SetValue,
    Open,
    SetText,
    FaceList,  // the face list comes back empty
    AddFont,
    RemoveFont,
    SetFontAttribute,
    TreeAdd,
    TreeExpand,
    ListAdd,
};
inline constexpr Op kAllOps[] = {
    Op::Enumerate, Op::NextName,   Op::Attributes,       Op::Copy,    Op::Delete,     Op::Read,
    Op::Variable,  Op::CreateKey,  Op::SetValue,         Op::Open,    Op::SetText,    Op::FaceList,
    Op::AddFont,   Op::RemoveFont, Op::SetFontAttribute, Op::TreeAdd, Op::TreeExpand, Op::ListAdd};

class Faults {
  public:
    void fail(Op op) { failing_.insert(op); }
    void heal() { failing_.clear(); }
    bool fails(Op op) const { return failing_.count(op) > 0; }

  private:
    std::set<Op> failing_;
};

class FakeFileSystem : public FileSystem {
  public:
    explicit FakeFileSystem(Faults& faults) : faults_(faults) {}

    // Paths are full Windows paths without a trailing "\"; parent folders appear by themselves.
    void addFolder(const std::string& path, std::uint32_t attributes = 0);
    void addFile(const std::string& path, std::string content = "", std::uint32_t attributes = 0);
    void remove(const std::string& path);
    void failAttributesOf(const std::string& path) { unreadable_.insert(Fold(path)); }
    void setReadOnlyFolder(const std::string& path) { readOnly_.insert(Fold(path)); }
    void addDrive(char letter, std::string label) { drives_.push_back({letter, std::move(label)}); }

    bool exists(const std::string& path) const { return entries_.count(Fold(path)) > 0; }
    std::string content(const std::string& path) const;
    int openListings() const { return openListings_; }

    std::unique_ptr<FolderEnumeration> enumerate(const std::string& pattern,
                                                 std::uint32_t mask) override;
    std::optional<std::uint32_t> attributes(const std::string& path) override;
    bool copyNewFile(const std::string& from, const std::string& to) override;
    bool deleteFile(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    std::vector<Drive> drives() override { return drives_; }

  private:
    struct Entry {
        std::string name;    // as created
        std::string parent;  // folded full path of the folder holding it
        std::uint32_t attributes = 0;
        std::string content;
        long order = 0;  // creation order: the listing order, like a file system that keeps none
    };
    static std::string Fold(const std::string& path);
    static std::string ParentOf(const std::string& path);
    void ensureFolder(const std::string& path);

    Faults& faults_;
    std::map<std::string, Entry> entries_;  // by folded path
    std::set<std::string> unreadable_;
    std::set<std::string> readOnly_;
    std::vector<Drive> drives_;
    long nextOrder_ = 0;
    int openListings_ = 0;

    friend class FakeListing;
};

class FakeEnvironment : public Environment {
  public:
    explicit FakeEnvironment(Faults& faults) : faults_(faults) {}
    std::map<std::string, std::string> variables;
    NumberFormat format;
    int beeps = 0;

    std::optional<std::string> variable(const std::string& name) override;
    void beep() override { ++beeps; }
    NumberFormat numberFormat() override { return format; }

  private:
    Faults& faults_;
};

}  // namespace typelens::fakes
