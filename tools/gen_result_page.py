#!/usr/bin/env python3
"""Writes realistic marketplace result pages, in GBK, for tests, benchmarks
and the demo marketplace.

A page has the marketplace's markup: a long head (styles, scripts, the search
bar and filters), 44 item blocks each opening with
'<div class="item-box st-itembox">', and a foot with the pager. Every item has
a picture box whose real address sits in data-ks-lazyload, a title with the
search word wrapped in <span class="H">, the price as
<span>&yen;</span><strong>89.00</strong>, a sales line, the shop name and its
location, service icons and a row of similar items. A page comes to about
220 KB.

The target item carries the target title word and the target shop. Other
items carry one of the two but never both, so that a scan has to look at both
keywords in one block. The same arguments always give the same bytes.

One page:
  gen_result_page.py --out page.html [--describe page.txt]
      [--target-position K] [--items N] [--seed S]
      [--keyword W] [--target-word W] [--target-shop W]
      [--missing picture,price,price-end] [--picture-base URL]

A run of pages, page-001.html and on, the target on one of them:
  gen_result_page.py --out-dir DIR --pages N [--target-page P] ...

--target-position 0 leaves the target out (its keywords still occur apart);
so does --target-page 0 for a run of pages.
--missing takes markers away from the target block: 'picture' (no
data-ks-lazyload at all), 'price' (no <strong>), 'price-end' (a <strong>
without its </strong>).

--picture-base URL puts the target's picture at URL + "target.jpg" (e.g.
http://127.0.0.1:8080/pictures/), so that a local server can answer for it;
every other picture keeps its marketplace host. The URL may hold the
placeholder {server}, which test_server.py --marketplace fills in with its
own host and port as it serves the page, for pages made before the server's
port is known.

--describe (with --out-dir: target.txt in DIR) writes what a scan should find,
one 'name=value' line each, the values in GBK: target1, target2, page,
position, picture, price, items. With no target, position is 0 and picture
and price are empty.
"""

import argparse
import os
import random
import sys

KEYWORD = "茶具"
TARGET_WORD = "汝窑天青"
TARGET_SHOP = "景德镇瓷韵轩"

TITLE_WORDS = [
    "整套", "功夫", "陶瓷", "紫砂", "家用", "简约", "现代", "客厅", "办公室", "泡茶",
    "茶壶", "茶杯", "茶盘", "套装", "特价", "包邮", "正品", "手工", "青花瓷", "白瓷",
    "玻璃", "实木", "日式", "复古", "中式", "礼盒", "送礼", "高档", "新款", "热销",
    "旅行", "便携", "汝窑", "哥窑", "建盏", "盖碗", "公道杯", "茶海", "茶道", "六君子",
]
SHOPS = [
    "品茗轩旗舰店", "德化陶瓷馆", "宜兴紫砂坊", "潮州工夫茶铺", "雅居家居专营店",
    "清风茶具店", "御瓷堂", "龙泉青瓷世家", "云南普洱茶庄", "杭州西湖茶行",
    "福建安溪铁观音", "景瓷坊", "瓷都名品", "茶香四溢", "陶然居", "一壶清茶",
]
PLACES = [
    ("江西", "景德镇"), ("浙江", "杭州"), ("福建", "泉州"), ("江苏", "无锡"),
    ("广东", "潮州"), ("云南", "昆明"), ("浙江", "龙泉"), ("上海", ""),
    ("北京", ""), ("山东", "淄博"), ("河南", "汝州"), ("湖南", "醴陵"),
]
SERVICES = [
    ("xinyong", "信用卡支付"), ("baoyou", "包邮"), ("qitian", "七天退换"),
    ("zhengpin", "正品保障"), ("shandian", "闪电发货"), ("xiaobao", "消费者保障"),
]
FILTERS = [
    "品牌", "材质", "风格", "适用场景", "件数", "产地", "价格", "颜色分类", "工艺",
    "图案", "容量", "是否有礼盒", "适用人数",
]


class Page:
    def __init__(self, rng, args, target_position, page_number):
        self.rng = rng
        self.args = args
        self.target_position = target_position
        self.page_number = page_number
        self.found = None

    def title(self, with_target_word):
        words = self.rng.sample(TITLE_WORDS, self.rng.randint(6, 9))
        words.insert(self.rng.randint(0, 2), '<span class="H">%s</span>' % self.args.keyword)
        if with_target_word:
            words.insert(self.rng.randint(1, len(words)), self.args.target_word)
        return "".join(words)

    def item(self, number, is_target, word_decoy, shop_decoy):
        rng = self.rng
        missing = set(self.args.missing) if is_target else set()
        nid = rng.randint(10**10, 10**11)
        uid = rng.randint(10**8, 10**9)
        title = self.title(is_target or word_decoy)
        plain_title = title.replace('<span class="H">', "").replace("</span>", "")
        shop = self.args.target_shop if (is_target or shop_decoy) else rng.choice(SHOPS)
        province, city = rng.choice(PLACES)
        price = "%d.%02d" % (rng.randint(9, 2999), rng.choice([0, 0, 0, 50, 80, 90, 99]))
        sales = rng.randint(0, 25000)
        picture = "http://g.search%d.alicdn.com/img/bao/uploaded/i%d/%d/T1%s_!!0-item_pic.jpg_230x230.jpg" % (
            rng.randint(1, 3), rng.randint(1, 4), uid,
            "".join(rng.choice("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789") for _ in range(22)))
        if is_target and self.args.picture_base:
            picture = self.args.picture_base + "target.jpg"
        href = "http://item.taobao.com/item.htm?id=%d&amp;ns=1&amp;abbucket=%d#detail" % (nid, rng.randint(1, 20))

        out = []
        out.append('<div class="item-box st-itembox">\n')
        out.append('<div class="item item-border" data-category="auction" data-nid="%d" data-index="%d">\n' % (nid, number))
        out.append('<div class="pic-box J_MouseEneterLeave J_PicBox">\n<div class="pic">\n')
        out.append('<a class="pic-link J_ClickStat J_ItemPicA" href="%s" target="_blank" data-nid="%d" trace="auction" traceNum="%d">\n' % (href, nid, number + 2))
        if "picture" in missing:
            out.append('<img src="%s" alt="%s" class="J_ItemPic img" />\n' % (picture, plain_title))
        else:
            out.append('<img data-ks-lazyload="%s" src="http://a.tbcdn.cn/tbsp/img/e.gif" alt="%s" class="J_ItemPic img" />\n' % (picture, plain_title))
        out.append('</a>\n</div>\n<div class="similars">\n')
        out.append('<a href="http://s.taobao.com/search?type=samestyle&amp;app=i2i&amp;rec_type=1&amp;uniqpid=-%d&amp;nid=%d" target="_blank" class="similar-btn">找同款</a>\n' % (uid, nid))
        out.append('<a href="http://s.taobao.com/search?type=similar&amp;app=i2i&amp;rec_type=1&amp;uniqpid=-%d&amp;nid=%d" target="_blank" class="similar-btn">找相似</a>\n' % (uid, nid))
        out.append('</div>\n</div>\n<div class="ctx-box J_MouseEneterLeave J_IconMoreNew">\n')
        out.append('<div class="row row-1 g-clearfix">\n<div class="price g_price g_price-highlight">\n')
        if "price" in missing:
            out.append('<span>&yen;</span><em>%s</em>\n' % price)
        elif "price-end" in missing:
            out.append('<span>&yen;</span><strong>%s\n' % price)
        else:
            out.append('<span>&yen;</span><strong>%s</strong>\n' % price)
        out.append('</div>\n<div class="deal-cnt">最近%d人付款</div>\n' % sales)
        out.append('<div class="ship icon-service-free">运费：%s</div>\n</div>\n' % rng.choice(["0.00", "10.00", "12.00", "包邮"]))
        out.append('<div class="row row-2 title">\n<a id="J_Itemlist_TLink_%d" class="J_ClickStat" data-nid="%d" href="%s" target="_blank" trace="auction" traceNum="%d">\n%s\n</a>\n</div>\n' % (nid, nid, href, number + 2, title))
        out.append('<div class="row row-3 g-clearfix">\n<div class="shop">\n')
        out.append('<a class="shopname J_MouseEneterLeave J_ShopInfo" data-userid="%d" data-nid="%d" href="http://store.taobao.com/shop/view_shop.htm?user_number_id=%d" target="_blank">\n' % (uid, nid, uid))
        out.append('<span class="dsrs"><span class="dsr seller-rate-%d"></span></span>\n<span>%s</span>\n</a>\n</div>\n' % (rng.randint(1, 20), shop))
        out.append('<div class="location">%s %s</div>\n</div>\n' % (province, city))
        out.append('<div class="row row-4 g-clearfix">\n<div class="feature-icons J_IconMoreNew">\n<ul class="icons">\n')
        for key, label in rng.sample(SERVICES, rng.randint(3, 6)):
            out.append('<li class="icon" data-index="%d"><a href="http://www.taobao.com/go/act/%s.php" target="_blank" title="%s" class="icon-service-%s J_ClickStat"><span class="icon-pit icon-service-%s"></span></a></li>\n' % (number, key, label, key, key))
        out.append('</ul>\n</div>\n<div class="wangwang"><a href="http://www.taobao.com/webww/ww.php?ver=3&amp;touid=%d&amp;siteid=cntaobao&amp;status=1&amp;charset=gbk" target="_blank" class="ww-inline ww-online" title="和我联系"><span>旺旺在线</span></a></div>\n</div>\n' % uid)
        out.append('<div class="similar-items J_SimilarItems" style="display:none">\n')
        for _ in range(rng.randint(1, 2)):
            other = rng.randint(10**10, 10**11)
            # Without the picture marker in the block, the similar items'
            # pictures are plain src ones too.
            lazy = 'src' if "picture" in missing else 'data-ks-lazyload'
            out.append('<div class="similar-item"><a href="http://item.taobao.com/item.htm?id=%d" target="_blank"><img %s="http://g.search%d.alicdn.com/img/bao/uploaded/i%d/T1x%d.jpg_80x80.jpg" /></a><p class="similar-title">%s</p><p class="similar-price">&yen;%d.00</p></div>\n' % (
                other, lazy, rng.randint(1, 3), rng.randint(1, 4), other, "".join(rng.sample(TITLE_WORDS, 3)), rng.randint(9, 999)))
        out.append('</div>\n')
        out.append('<script type="text/x-template" class="J_ItemData">{"nid":"%d","category":"%d","title":"%s","raw_title":"%s","pic_url":"%s","view_price":"%s","view_fee":"0.00","item_loc":"%s %s","view_sales":"%d人付款","comment_count":"%d","user_id":"%d","nick":"%s","shopcard":{"levelClasses":[{"levelClass":"icon-supple-level-guan"}],"isTmall":false,"delivery":[%d,1,%d],"description":[%d,1,%d],"service":[%d,1,%d],"encryptedUserId":"UvFNbMG%dOmcT","sellerCredit":%d,"totalRate":%d}}</script>\n' % (
            nid, rng.randint(50000000, 50099999), plain_title, plain_title, picture, price, province, city, sales,
            rng.randint(0, 9999), uid, shop, rng.randint(400, 499), rng.randint(1000, 9999), rng.randint(400, 499),
            rng.randint(1000, 9999), rng.randint(400, 499), rng.randint(1000, 9999), uid, rng.randint(1, 20), rng.randint(9000, 10000)))
        out.append('</div>\n</div>\n</div>\n')

        if is_target:
            self.found = {
                "position": number,
                "picture": "" if "picture" in missing else picture,
                "price": "" if "price" in missing else (price + "\n</div>\n" if "price-end" in missing else price),
            }
        return "".join(out)

    def head(self):
        rng = self.rng
        kw = self.args.keyword
        out = []
        out.append('<!DOCTYPE html>\n<html>\n<head>\n<meta charset="gbk" />\n')
        out.append('<title>%s_淘宝搜索</title>\n' % kw)
        out.append('<meta name="keywords" content="%s,淘宝,网购" />\n' % kw)
        out.append('<link rel="stylesheet" href="http://g.tbcdn.cn/tb/search/1.4.21/??css/common.css,css/list.css,css/filter.css" />\n')
        out.append('<script src="http://g.tbcdn.cn/kissy/k/1.4.2/seed-min.js" data-config="{combine:true}"></script>\n')
        out.append('<script>\nvar g_srp_loadCss = function() {};\nwindow.g_config = {\n')
        for i in range(50):
            out.append('  "srp_option_%03d": {"enabled": %s, "bucket": %d, "key": "%08x", "label": "%s"},\n' % (
                i, rng.choice(["true", "false"]), rng.randint(0, 30), rng.getrandbits(32), rng.choice(FILTERS)))
        out.append('  "q": "%s"\n};\n</script>\n</head>\n<body class="srp">\n' % kw)
        out.append('<div id="J_SiteNav" class="site-nav"><div class="site-nav-bd"><ul class="site-nav-bd-l"><li>亲，欢迎来淘宝！请<a href="http://login.taobao.com/">登录</a></li><li><a href="http://reg.taobao.com/">免费注册</a></li></ul></div></div>\n')
        out.append('<div class="search-bar"><form action="/search" method="get"><input name="q" value="%s" /><button type="submit">搜索</button></form></div>\n' % kw)
        out.append('<div class="filter-box" id="J_NavCommonRowItems">\n')
        for name in FILTERS:
            out.append('<div class="nav-row"><div class="nav-row-key">%s：</div><ul class="nav-row-values">' % name)
            for _ in range(12):
                word = rng.choice(TITLE_WORDS)
                out.append('<li><a href="/search?q=%s&amp;cps=yes&amp;ppath=%d:%d" trace="nav">%s</a></li>' % (
                    "%D6%D0", rng.randint(1000, 99999), rng.randint(1000, 99999), word))
            out.append('</ul></div>\n')
        out.append('</div>\n<div class="m-sortbar"><ul class="sorts"><li class="sort active">综合排序</li><li class="sort">人气</li><li class="sort">销量</li><li class="sort">信用</li><li class="sort">价格</li></ul></div>\n')
        out.append('<div class="grid g-clearfix" id="mainsrp-itemlist">\n<div class="items">\n')
        return "".join(out)

    def foot(self):
        out = ['</div>\n</div>\n<div class="m-page g-clearfix"><ul class="items">']
        for n in range(1, 11):
            out.append('<li class="item%s"><a class="J_Ajax num icon-tag" href="/search?q=%s&amp;s=%d" data-value="%d">%d</a></li>' % (
                " active" if n == self.page_number else "", "%D6%D0", (n - 1) * 44, (n - 1) * 44, n))
        out.append('</ul><span class="total">共 100 页</span></div>\n')
        out.append('<div class="footer"><p><a href="http://www.taobao.com/about/">关于淘宝</a> <a href="http://www.taobao.com/about/partners.php">合作伙伴</a> <a href="http://jianghu.taobao.com/">营销中心</a> <a href="http://service.taobao.com/">联系客服</a></p>\n')
        out.append('<p>&copy; 2003-2014 Taobao.com 版权所有</p></div>\n')
        for i in range(8):
            out.append('<script>KISSY.use("srp/mod/%02d", function(S, M) { M.init({"index": %d}); });</script>\n' % (i, i))
        out.append('</body>\n</html>\n')
        return "".join(out)

    def render(self):
        items = self.args.items
        k = self.target_position
        # Decoys: one item with the target word from another shop, one from
        # the target shop with another title, near the target (or anywhere
        # when there is none).
        places = [n for n in range(1, items + 1) if n != k]
        self.rng.shuffle(places)
        near = sorted(places[:2]) if k == 0 else sorted([n for n in (k - 3, k - 1, k + 2, k + 5) if 1 <= n <= items and n != k][:2] or places[:2])
        word_decoy = near[0] if near else None
        shop_decoy = near[1] if len(near) > 1 else None
        body = [self.head()]
        for n in range(1, items + 1):
            body.append(self.item(n, n == k, n == word_decoy, n == shop_decoy))
        body.append(self.foot())
        return "".join(body)


def encode(text):
    return text.encode("gbk")


def write_description(path, args, page, result):
    found = result if result else {"position": 0, "picture": "", "price": ""}
    lines = [
        ("target1", args.target_word), ("target2", args.target_shop), ("page", str(page)),
        ("position", str(found["position"])), ("picture", found["picture"]),
        # A price without its </strong> runs on; the description keeps only
        # the first line of it, which is what a test can state.
        ("price", found["price"].split("\n")[0]), ("items", str(args.items)),
    ]
    with open(path, "wb") as f:
        for name, value in lines:
            f.write(encode("%s=%s\n" % (name, value)))


def main():
    parser = argparse.ArgumentParser(description="Write realistic result pages in GBK.")
    parser.add_argument("--out", help="write one page to this file")
    parser.add_argument("--out-dir", help="write page-001.html and on into this folder")
    parser.add_argument("--pages", type=int, default=1)
    parser.add_argument("--target-page", type=int, default=1)
    parser.add_argument("--target-position", type=int, default=0)
    parser.add_argument("--items", type=int, default=44)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--keyword", default=KEYWORD)
    parser.add_argument("--target-word", default=TARGET_WORD)
    parser.add_argument("--target-shop", default=TARGET_SHOP)
    parser.add_argument("--missing", default="", help="comma list: picture, price, price-end")
    parser.add_argument("--picture-base", default="",
                        help="the target's picture at this URL + target.jpg")
    parser.add_argument("--describe", help="with --out: write what a scan should find here")
    args = parser.parse_args()
    args.missing = [m for m in args.missing.split(",") if m]
    for m in args.missing:
        if m not in ("picture", "price", "price-end"):
            parser.error("unknown marker for --missing: %s" % m)
    if not (0 <= args.target_position <= args.items):
        parser.error("--target-position must lie in 0..--items")
    if bool(args.out) == bool(args.out_dir):
        parser.error("give exactly one of --out and --out-dir")

    if args.out:
        page = Page(random.Random(args.seed), args, args.target_position, 1)
        data = encode(page.render())
        with open(args.out, "wb") as f:
            f.write(data)
        if args.describe:
            write_description(args.describe, args, 1, page.found)
        return 0

    os.makedirs(args.out_dir, exist_ok=True)
    found = None
    for n in range(1, args.pages + 1):
        position = args.target_position if n == args.target_page else 0
        page = Page(random.Random(args.seed * 100003 + n), args, position, n)
        with open(os.path.join(args.out_dir, "page-%03d.html" % n), "wb") as f:
            f.write(encode(page.render()))
        if page.found:
            found = page.found
    write_description(os.path.join(args.out_dir, "target.txt"), args, args.target_page, found)
    return 0


if __name__ == "__main__":
    sys.exit(main())
