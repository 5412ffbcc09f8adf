#pragma once
// What the writer and the loaders report while they go through a whole tree: work done, a fixed
// number of units per person, portrait or part of the file. Storage shows nothing; the main
// window shows the steps on its wait window (shell/wait_window.h), while tests and tools that
// run without a screen pass NoTreeProgress.
class TreeProgress {
public:
    // `step` more units of work are done. Called once per person of a big tree: keep it cheap.
    virtual void advance(int step) = 0;

protected:
    ~TreeProgress() = default;
};

// Progress that nobody watches.
class NoTreeProgress final : public TreeProgress {
public:
    void advance(int) override { }
};
