// Parses the reader's lines: depth, role, name, states, extents and text, tab-separated, with
// tabs, line ends and backslashes escaped.
#include "AccessibleTree.h"

#include "Desktop.h"

#include <QString>
#include <QStringList>

namespace {

std::string Unescaped(const QString& field) {
    std::string text;
    const std::string bytes = field.toStdString();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\' || i + 1 == bytes.size()) {
            text += bytes[i];
            continue;
        }
        switch (bytes[++i]) {
        case 't': text += '\t'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        default: text += bytes[i]; break;
        }
    }
    return text;
}

} // namespace

AccessibleTree AccessibleTree::Read(long long pid) {
    AccessibleTree tree;
    const auto output = desktop::Run(QStringLiteral("/usr/bin/python3"),
                                     {QStringLiteral(KESTROW_ACCESSIBLE_TREE_READER), QString::number(pid)});
    if (!output) return tree;
    for (const QString& line : QString::fromStdString(*output).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 6) continue;
        AccessibleNode node;
        node.depth = fields[0].toInt();
        node.role = fields[1].toStdString();
        node.name = Unescaped(fields[2]);
        for (const QString& state : fields[3].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            node.states.insert(state.toStdString());
        }
        const QStringList box = fields[4].split(QLatin1Char(','));
        if (box.size() == 4) node.extents = QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt());
        node.text = Unescaped(fields[5]);
        tree.nodes_.push_back(std::move(node));
    }
    return tree;
}

std::vector<const AccessibleNode*> AccessibleTree::Windows() const {
    std::vector<const AccessibleNode*> windows;
    for (const auto& node : nodes_) {
        if (node.depth == 1) windows.push_back(&node);
    }
    return windows;
}

const AccessibleNode* AccessibleTree::Find(const std::function<bool(const AccessibleNode&)>& match,
                                           const AccessibleNode* under) const {
    if (under == nullptr) {
        for (const auto& node : nodes_) {
            if (match(node)) return &node;
        }
        return nullptr;
    }
    const auto below = Below(*under, match);
    return below.empty() ? nullptr : below.front();
}

const AccessibleNode* AccessibleTree::Find(const std::string& role, const std::string& name,
                                           const AccessibleNode* under) const {
    return Find([&](const AccessibleNode& node) { return node.role == role && node.name == name; }, under);
}

std::vector<const AccessibleNode*>
AccessibleTree::Below(const AccessibleNode& node, const std::function<bool(const AccessibleNode&)>& match) const {
    std::vector<const AccessibleNode*> found;
    const auto start = static_cast<std::size_t>(&node - nodes_.data());
    for (std::size_t i = start + 1; i < nodes_.size() && nodes_[i].depth > node.depth; ++i) {
        if (match(nodes_[i])) found.push_back(&nodes_[i]);
    }
    return found;
}
