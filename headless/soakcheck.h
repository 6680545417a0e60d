#pragma once
// What must hold after every event of the soak: no assertion report, a current page that is a page of
// the catalogue, focus and list and matrix cursors within their counts, the current page's controls
// and the LCD picture within the screen.
#include <cstddef>
#include <string>
#include <vector>

#include "common/debug.h"

struct UIPage;

struct SoakFault {
    std::string Invariant;  // what broke, the same wherever the same fault shows; empty while all hold
    std::string Detail;     // the values that broke it, and where

    explicit operator bool() const { return !Invariant.empty(); }
};

// A page as a goto line names it.
struct SoakPage {
    std::string Name;
    std::size_t Nth;
};

// Collects the assertion reports while it lives. Made once the recorder has started, since it reads
// the catalogue then.
class SoakInvariants {
public:
    SoakInvariants();
    ~SoakInvariants();
    SoakInvariants(const SoakInvariants&) = delete;
    SoakInvariants& operator=(const SoakInvariants&) = delete;

    // Every page of the catalogue that goto finds by its name.
    const std::vector<SoakPage>& Pages() const { return names_; }
    // The first invariant that does not hold, checked in the order above; a report is taken once.
    SoakFault Check();
    // Drops the reports of a recorder that is restarted.
    void Forget();
    // How many pages of the catalogue were current at a check, and how many there are.
    std::size_t PagesShown() const;
    std::size_t CatalogueSize() const { return catalogue_.size(); }

private:
    SoakFault CheckPage();

    std::vector<const UIPage*> catalogue_;  // sorted
    std::vector<bool> shown_;               // by the place in catalogue_
    std::vector<SoakPage> names_;
    AssertSink previous_;
};
