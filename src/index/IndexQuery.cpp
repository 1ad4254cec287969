// Queries of FileIndex: started on its worker threads, grouped into passes that share a scan.
#include "index/FileIndex.h"
#include "index/NamePattern.h"
#include "index/QueryPass.h"

#include <algorithm>

namespace zarvo::index {

std::shared_ptr<IndexQueryJob> FileIndex::startQuery(const IndexQuerySpec& spec,
                                                     std::function<void(const IndexQueryBatch&)> onBatch) {
    return startQueries({spec}, {std::move(onBatch)}).front();
}

std::vector<std::shared_ptr<IndexQueryJob>>
FileIndex::startQueries(const std::vector<IndexQuerySpec>& specs,
                        std::vector<std::function<void(const IndexQueryBatch&)>> onBatch) {
    std::vector<QueryRequest> requests;
    std::vector<std::shared_ptr<IndexQueryJob>> jobs;
    {
        std::lock_guard lock(m_jobsMutex);
        std::erase_if(m_jobs, [](const std::weak_ptr<IndexQueryJob>& w) { return w.expired(); });
        for (size_t i = 0; i < specs.size(); ++i) {
            auto job = std::make_shared<IndexQueryJob>();
            m_jobs.push_back(job);
            jobs.push_back(job);
            requests.push_back({job, specs[i], i < onBatch.size() ? std::move(onBatch[i]) : nullptr});
        }
    }
    if (!requests.empty()) m_pool.start([this, requests = std::move(requests)] { runQueries(requests); });
    return jobs;
}

void FileIndex::runQueries(const std::vector<QueryRequest>& requests) {
    // One pass serves queries that differ only in their name patterns, when one scan finds the
    // candidates of them all (a substring query and its subsequence twin); others run one by one.
    auto sameFilters = [](const IndexQuerySpec& a, const IndexQuerySpec& b) {
        return a.contentTypes == b.contentTypes && a.changedSince == b.changedSince && a.scopes == b.scopes &&
               a.sort == b.sort;
    };
    std::vector<std::vector<NamePattern>> patterns;
    for (const auto& r : requests) {
        std::vector<NamePattern> own;
        for (const auto& p : r.spec.namePatterns)
            own.emplace_back(p);
        std::erase_if(own, [](const NamePattern& p) { return p.matchesAll(); });
        patterns.push_back(std::move(own));
    }
    std::optional<Candidates> shared;
    for (size_t i = 0; i < requests.size() && !shared; ++i) {
        const Candidates c = candidatesOf(patterns[i]);
        bool all = true;
        for (size_t j = 0; j < requests.size() && all; ++j)
            all = sameFilters(requests[i].spec, requests[j].spec) && covers(c, candidatesOf(patterns[j]));
        if (all) shared = c;
    }
    if (requests.size() > 64) shared.reset(); // a pass tells its plans apart by the bits of a word
    if (shared || requests.size() == 1) {
        const Candidates c = shared ? *shared : candidatesOf(patterns.front());
        QueryPass(*this, requests, patterns).run(c.literal, c.subsequence);
        return;
    }
    for (size_t i = 0; i < requests.size(); ++i) {
        const Candidates c = candidatesOf(patterns[i]);
        const std::vector<QueryRequest> one{requests[i]};
        const std::vector<std::vector<NamePattern>> own{patterns[i]};
        QueryPass(*this, one, own).run(c.literal, c.subsequence);
    }
}

} // namespace zarvo::index
