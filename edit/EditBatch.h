#pragma once

struct TCircuitContext;

// The undo batch of one finished edit. It opens only when no other batch is open (a gesture
// whose batch spans press and release keeps it open meanwhile); Commit hands what it recorded to
// the undo history as one step, and a batch never committed is rolled back and forgotten, so an
// edit cut short leaves neither changes nor history behind.
class TEditBatch {
public:
    explicit TEditBatch(TCircuitContext& context);
    ~TEditBatch();
    TEditBatch(const TEditBatch&) = delete;
    TEditBatch& operator=(const TEditBatch&) = delete;

    // False when another batch was open already: then this edit must not run.
    bool IsOpen() const { return open_; }
    // Pushes the batch, unless it recorded nothing.
    void Commit();

private:
    TCircuitContext& context_;
    bool open_ = false;
};
