#pragma once
// The class library's string list: the program keeps menus, combo items, memo lines and file
// lines in it. Each line may carry an object pointer the list does not own.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TStringList {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> lines);

    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    // Index access; an index outside the list raises EListError-like Exception.
    const std::string& operator[](int index) const;
    const std::string& Strings(int index) const { return (*this)[index]; }
    void setString(int index, const std::string& text);
    void* Objects(int index) const;
    void setObject(int index, void* object);
    // A mark that travels with its line through sorting, inserts and deletes (the tick of a
    // check list box). New lines are unmarked; changing it fires no OnChange.
    bool lineFlag(int index) const;
    void setLineFlag(int index, bool flag);

    // In a sorted list Add puts the line at its place in the collation (after equal lines).
    int Add(const std::string& text);
    int AddObject(const std::string& text, void* object);
    void Insert(int index, const std::string& text);
    void Delete(int index);
    void Clear();
    void Assign(const TStringList& other);
    void Exchange(int a, int b);

    // First line equal to `text` ignoring letter case in the collation, or -1.
    int IndexOf(const std::string& text) const;
    int IndexOfObject(const void* object) const;

    // Case-insensitive collation order; equal lines keep their order and are all kept.
    void Sort();
    bool Sorted() const { return sorted_; }
    void setSorted(bool sorted);

    // Lines joined, each followed by CR LF; setting splits at CR LF, LF or CR.
    std::string Text() const;
    void setText(const std::string& text);

    // Windows-1250 file, lines ended by CR LF. Raise EInOutError.
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;

    std::vector<std::string> lines() const;
    auto begin() const { return LineIterator{items_.begin()}; }
    auto end() const { return LineIterator{items_.end()}; }

    // Called after every change of the lines.
    std::function<void()> OnChange;

    // A stamp that changes with every change of the lines, their objects or their marks, and that
    // no other content ever had: a window showing the list compares the stamp instead of every
    // line after each event. A copy carries the stamp of what it holds.
    std::uint64_t revision() const { return revision_.value; }

private:
    struct Item {
        std::string text;
        void* object = nullptr;
        bool flag = false;
    };
    struct LineIterator {
        std::vector<Item>::const_iterator it;
        const std::string& operator*() const { return it->text; }
        LineIterator& operator++()
        {
            ++it;
            return *this;
        }
        bool operator!=(const LineIterator& o) const { return it != o.it; }
        bool operator==(const LineIterator& o) const { return it == o.it; }
    };

    struct Revision {
        Revision() = default;
        Revision(const Revision&) = default;
        Revision& operator=(const Revision&) = default;
        // The list moved from is left with content of its own, under a stamp of its own.
        Revision(Revision&& other) noexcept : value(other.value) { other.renew(); }
        Revision& operator=(Revision&& other) noexcept
        {
            value = other.value;
            other.renew();
            return *this;
        }
        ~Revision() = default;
        void renew() { value = next.fetch_add(1, std::memory_order_relaxed); }
        // Lines made by the default constructor (none) share stamp 0.
        std::uint64_t value = 0;
        static std::atomic<std::uint64_t> next;
    };

    void checkIndex(int index) const;
    void changed();

    std::vector<Item> items_;
    Revision revision_;
    bool sorted_ = false;
};
